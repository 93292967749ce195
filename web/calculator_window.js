// A calculator window of the page over its instance in the core: the core keeps the texts,
// colours, captions, focus and values; the window mirrors them onto its controls after each
// procedure, and shows the boxes a Solve raised one after another, each over the window as it
// stood when it was raised.
import { PageWindow } from './page_window.js';
import { cssColour } from './system_colours.js';
import { showMessageBox } from './message_box.js';

const kBoxes = ['txtKVA', 'txtVolts', 'txtPF', 'txtAmps'];
const kMessageLabels = ['lbl8', 'lblMsg'];
const kMarkedBox = 0x80000008; // a box holding a bad value takes the window-text colour as its back

// Cuts a box's text to its length in characters, as the desktop's boxes do: what was just
// typed or pasted, which ends at the caret, goes first, then the end of the text.
export function cutToLength(text, caret, max) {
  const chars = Array.from(text);
  let excess = chars.length - max;
  if (max <= 0 || excess <= 0) return null;
  let at = Array.from(text.slice(0, caret)).length;
  const typed = Math.min(excess, at);
  chars.splice(at - typed, typed);
  at -= typed;
  excess -= typed;
  if (excess > 0) chars.length -= excess;
  return { text: chars.join(''), caret: chars.slice(0, at).join('').length };
}

export class CalculatorWindow extends PageWindow {
  constructor(layout, layouts, core, index, { onClose, onBack }) {
    super(layout, layouts, onClose);
    this.core = core;
    this.index = index;
    this.#describeForAssistiveTechnology(layouts);
    for (const name of kBoxes) this.#connectTyping(name);
    this.#connect('cmdSolve', () => this.#solve());
    this.#connect('cmdClear', () => this.mirror(core.clear(index, this.#focusedName())));
    this.#connect('cmdBackMainPage', onBack);
    this.mirror(core.open(index), false);
    this.lastFocus = this.control(this.state.focus);
  }

  // Shows the model's state, or a state it had, on the controls.
  mirror(state, moveFocus = true) {
    this.state = state;
    for (const name of kBoxes) {
      const box = this.control(name);
      if (!box) continue;
      if (box.value !== state[name].text) box.value = state[name].text;
      box.style.backgroundColor = cssColour(state[name].back);
      box.classList.toggle('marked', state[name].back === kMarkedBox);
    }
    for (const name of kMessageLabels) {
      const label = this.control(name);
      if (label.textContent !== state[name].caption) label.textContent = state[name].caption;
      label.style.backgroundColor = cssColour(state[name].back);
    }
    const focus = this.control(state.focus);
    if (moveFocus && focus && this.element.classList.contains('front')) focus.focus();
    this.lastFocus = focus ?? this.lastFocus;
  }

  #describeForAssistiveTechnology(layouts) {
    for (const { box, heading, unit } of layouts.boxCaptions) {
      if (!this.control(box)) continue;
      this.control(heading).htmlFor = this.control(box).id;
      this.control(box).setAttribute('aria-describedby', this.control(unit).id);
    }
    for (const { label, description } of layouts.messageLabels) {
      const element = this.control(label);
      element.setAttribute('role', 'status');
      element.setAttribute('aria-live', 'polite');
      const about = document.createElement('span');
      Object.assign(about, { id: `${element.id}-about`, hidden: true, textContent: description });
      this.element.append(about);
      element.setAttribute('aria-describedby', about.id);
    }
  }

  // Typing, pasting, dictation and assistive technology all reach the model as they happen.
  #connectTyping(name) {
    const box = this.control(name);
    if (!box) return;
    const max = this.layout.controls.find((row) => row.name === name).maxLength;
    box.addEventListener('input', (event) => {
      if (!event.isComposing) {
        const cut = cutToLength(box.value, box.selectionStart ?? box.value.length, max);
        if (cut) {
          box.value = cut.text;
          box.setSelectionRange(cut.caret, cut.caret);
        }
      }
      this.core.setText(this.index, name, box.value);
    });
    box.addEventListener('compositionend', () => box.dispatchEvent(new Event('input')));
  }

  #connect(name, handler) {
    this.control(name).addEventListener('click', () => {
      if (!document.querySelector('dialog[open]')) handler();
    });
  }

  #focusedName() {
    const focused = this.client.contains(document.activeElement) ? document.activeElement : this.lastFocus;
    return focused?.dataset.control ?? '';
  }

  async #solve() {
    const { boxes, state } = this.core.solve(this.index, this.#focusedName());
    for (const box of boxes) {
      this.mirror(box.state, false);
      await showMessageBox(box);
    }
    this.mirror(state);
  }
}
