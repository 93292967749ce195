// A window of the page, built from its layout table: a title bar with the caption, the icon
// and a close control over a client area that holds the table's controls, each placed at its
// stored geometry in the container it names. The page keeps the windows as a window system
// keeps them: stacked, one in front, each centred when built and keeping its focus.
import { cssColour, keepReadable } from './system_colours.js';

const kSvg = 'http://www.w3.org/2000/svg';
const kStandIns = {
  Tahoma: 'Tahoma, "Tahoma stand-in", sans-serif',
  'Arial Unicode MS': '"Arial Unicode MS", Arial, "Arial stand-in", sans-serif',
  'MS Sans Serif': '"MS Sans Serif", "Arial stand-in", sans-serif',
};

export const pixels = (twips, layouts) => Math.floor((twips + layouts.twipsPerPixel / 2) / layouts.twipsPerPixel);

// "&" marks the access key and is not shown; "&&" shows one "&".
export function accessKeyOf(text) {
  const match = /&([^&])/.exec(text.replaceAll('&&', ''));
  return match ? match[1].toUpperCase() : '';
}

function appendCaption(element, text) {
  let marked = false;
  for (const part of text.split(/(&&|&.)/)) {
    if (part === '&&') element.append('&');
    else if (part.startsWith('&') && part.length === 2 && !marked) {
      const key = document.createElement('u');
      key.textContent = part[1];
      element.append(key);
      marked = true;
    } else element.append(part);
  }
}

function applyFont(element, font) {
  const family = font.family.replace(/^@/, '');
  element.style.fontFamily = kStandIns[family] ?? `"${family}", sans-serif`;
  element.style.fontSize = `${(font.points * 96) / 72}px`;
  element.style.fontWeight = String(font.weight);
}

const kMakers = {
  // A box's heading is its <label>, which names it.
  label: (row, layouts) => {
    const heading = layouts.boxCaptions.some((captions) => captions.heading === row.name);
    const label = document.createElement(heading ? 'label' : 'div');
    label.textContent = row.text;
    return label;
  },
  textBox: (row) => {
    const box = document.createElement('input');
    Object.assign(box, { type: 'text', value: row.text, autocomplete: 'off', spellcheck: false });
    box.setAttribute('inputmode', 'decimal');
    box.setAttribute('autocapitalize', 'off');
    return box;
  },
  frame: (row) => {
    const frame = document.createElement('fieldset');
    const legend = document.createElement('legend');
    legend.textContent = row.text;
    frame.append(legend);
    return frame;
  },
  button: (row) => {
    const button = document.createElement('button');
    button.type = 'button';
    appendCaption(button, row.text);
    const key = accessKeyOf(row.text);
    if (key) button.setAttribute('aria-keyshortcuts', `Alt+${key}`);
    return button;
  },
  pictureBox: () => {
    const box = document.createElement('div');
    box.tabIndex = -1;
    return box;
  },
};

const isBoxCaption = (name, layouts) =>
  layouts.boxCaptions.some((captions) => captions.heading === name || captions.unit === name);

export class PageWindow {
  // `layout` is the window's table; `layouts` all of them (the shared sizes and captions).
  // `drawn` is the window as the build already wrote it into the page, if it was, which the
  // window takes over as it stands.
  constructor(layout, layouts, onClose, drawn = null) {
    this.layout = layout;
    this.controls = new Map();
    if (drawn) this.#adopt(drawn, onClose);
    else this.#build(layouts, onClose);
    this.element.addEventListener('focusin', (event) => {
      if (this.client.contains(event.target)) this.lastFocus = event.target;
    });
    this.element.addEventListener('keydown', (event) => this.#onKey(event));
  }

  control(name) {
    return this.controls.get(name) ?? null;
  }

  // Once the window is on the page: its captions in colours a person can read.
  keepCaptionsReadable() {
    for (const row of this.layout.controls) {
      const element = this.control(row.name);
      if (row.kind === 'label' && element.textContent) keepReadable(element);
      if (row.kind === 'frame') keepReadable(element.querySelector('legend'));
    }
  }

  // The controls that take the focus, in the table's tab order.
  tabOrder() {
    return this.layout.controls
      .filter((row) => row.kind === 'textBox' || row.kind === 'button' || row.kind === 'pictureBox')
      .sort((a, b) => a.tabIndex - b.tabIndex)
      .map((row) => this.control(row.name));
  }

  focus() {
    const target = this.lastFocus?.isConnected ? this.lastFocus : this.tabOrder()[0];
    target?.focus({ preventScroll: true });
  }

  #build(layouts, onClose) {
    this.element = document.createElement('section');
    this.element.className = 'window';
    this.element.id = this.layout.className;
    this.element.setAttribute('aria-labelledby', `${this.layout.className}-caption`);
    this.element.append(this.#titleBar(onClose), this.#client(layouts));
  }

  #adopt(element, onClose) {
    this.element = element;
    this.client = element.querySelector('.client');
    for (const row of this.layout.controls) {
      this.controls.set(row.name, document.getElementById(`${this.layout.className}-${row.name}`));
    }
    element.querySelector('.title-bar .close').addEventListener('click', () => onClose(this));
  }

  #titleBar(onClose) {
    const bar = document.createElement('div');
    bar.className = 'title-bar';
    // The icon the page holds once, drawn in place: no request competes with the menu's picture.
    const icon = document.createElementNS(kSvg, 'svg');
    const use = document.createElementNS(kSvg, 'use');
    use.setAttribute('href', '#quillmark-icon');
    icon.append(use);
    for (const [name, value] of [['class', 'window-icon'], ['width', 16], ['height', 16], ['aria-hidden', 'true']]) {
      icon.setAttribute(name, value);
    }
    const caption = document.createElement('h2');
    caption.className = 'caption';
    caption.id = `${this.layout.className}-caption`;
    caption.textContent = this.layout.caption;
    const close = document.createElement('button');
    Object.assign(close, { type: 'button', className: 'close', tabIndex: -1, textContent: '\u2715' });
    close.setAttribute('aria-label', 'Close');
    close.addEventListener('click', () => onClose(this));
    bar.append(icon, caption, close);
    return bar;
  }

  #client(layouts) {
    this.client = document.createElement('div');
    this.client.className = 'client';
    this.client.style.width = `${pixels(layouts.clientWidth, layouts)}px`;
    this.client.style.height = `${pixels(layouts.clientHeight, layouts)}px`;
    for (const row of this.layout.controls) {
      const element = kMakers[row.kind](row, layouts);
      element.id = `${this.layout.className}-${row.name}`;
      element.dataset.control = row.name;
      element.classList.add(row.kind);
      if (row.container && row.kind === 'label' && !isBoxCaption(row.name, layouts)) element.classList.add('wide');
      this.#place(element, row, layouts);
      (this.control(row.container) ?? this.client).append(element);
      this.controls.set(row.name, element);
    }
    return this.client;
  }

  #place(element, row, layouts) {
    const style = element.style;
    style.left = `${pixels(row.left, layouts)}px`;
    style.top = `${pixels(row.top, layouts)}px`;
    style.width = `${pixels(row.width, layouts)}px`;
    style.height = `${pixels(row.height, layouts)}px`;
    style.textAlign = row.align === 'centre' ? 'center' : 'left';
    applyFont(element, row.font);
    if (row.kind !== 'button' && row.kind !== 'pictureBox') {
      style.color = cssColour(row.fore);
      style.backgroundColor = cssColour(row.back);
    }
  }

  // Tab and Shift+Tab go round the window's own controls in the table's order; Alt and a
  // letter presses the button it marks, or, where buttons share it, moves the focus on.
  #onKey(event) {
    if (document.querySelector('dialog[open]')) return;
    if (event.key === 'Tab' && !event.altKey && !event.ctrlKey && !event.metaKey) {
      this.#moveFocus(event.shiftKey ? -1 : 1);
      event.preventDefault();
    } else if (event.altKey && !event.ctrlKey && !event.metaKey) {
      const letter = /^Key[A-Z]$/.test(event.code) ? event.code.slice(3) : event.key.toUpperCase();
      if (this.#pressAccessKey(letter)) event.preventDefault();
    }
  }

  #moveFocus(step) {
    const order = this.tabOrder();
    const at = order.indexOf(document.activeElement);
    const next = at < 0 ? (step > 0 ? 0 : order.length - 1) : (at + step + order.length) % order.length;
    order[next].focus();
    order[next].select?.(); // a box reached by Tab has its text selected, so typing replaces it
  }

  #pressAccessKey(letter) {
    const buttons = this.tabOrder().filter(
      (control) => control.getAttribute('aria-keyshortcuts') === `Alt+${letter}`,
    );
    if (buttons.length === 0) return false;
    if (buttons.length === 1) {
      buttons[0].click(); // as a click: the focus stays where it is
    } else {
      const at = buttons.indexOf(document.activeElement);
      buttons[(at + 1) % buttons.length].focus();
    }
    return true;
  }
}

// The windows on the page: stacked in the order they came to the front, each centred when it
// is built; the program ends when the last one is closed.
export class WindowStack {
  constructor(screen, onEmpty) {
    this.screen = screen;
    this.onEmpty = onEmpty;
    this.windows = new Set();
    this.nextLayer = 1;
    addEventListener('resize', () => this.windows.forEach((window) => this.#keepInView(window)));
  }

  add(window) {
    this.windows.add(window);
    if (!window.element.isConnected) this.screen.append(window.element);
    window.keepCaptionsReadable();
    window.element.addEventListener('pointerdown', () => this.bringToFront(window, false), true);
    // A press anywhere but on a control activates the window with the focus where it was.
    window.element.addEventListener('mousedown', (event) => {
      if (event.target.closest('input, button, .pictureBox')) return;
      event.preventDefault();
      window.focus();
    });
    this.#letMove(window);
    this.#centre(window);
  }

  // The window comes to the front and, unless the person is already pointing into it, gets
  // the focus where it left it.
  bringToFront(window, focus = true) {
    for (const other of this.windows) other.element.classList.toggle('front', other === window);
    window.element.style.zIndex = String(this.nextLayer++);
    if (focus) window.focus();
  }

  remove(window) {
    window.element.remove();
    this.windows.delete(window);
    const front = [...this.windows].sort((a, b) => b.element.style.zIndex - a.element.style.zIndex)[0];
    if (front) this.bringToFront(front);
    else this.onEmpty();
  }

  // A window the build drew comes centred by the stylesheet, until it has a place of its own.
  #centre(window) {
    const { width, height } = window.element.getBoundingClientRect();
    window.element.style.left = `${Math.max(0, Math.round((innerWidth - width) / 2))}px`;
    window.element.style.top = `${Math.max(0, Math.round((innerHeight - height) / 2))}px`;
    window.element.classList.remove('centred');
  }

  // The title bar moves its window, where windows lie side by side (not on a narrow screen).
  #letMove(window) {
    const bar = window.element.querySelector('.title-bar');
    bar.addEventListener('pointerdown', (down) => {
      if (down.button !== 0 || down.target.closest('button') || matchMedia('(max-width: 731px)').matches) return;
      const start = { x: down.clientX, y: down.clientY, left: window.element.offsetLeft, top: window.element.offsetTop };
      bar.setPointerCapture(down.pointerId);
      const move = (event) => {
        window.element.style.left = `${start.left + event.clientX - start.x}px`;
        window.element.style.top = `${Math.max(0, start.top + event.clientY - start.y)}px`;
      };
      bar.addEventListener('pointermove', move);
      bar.addEventListener('lostpointercapture', () => bar.removeEventListener('pointermove', move), { once: true });
    });
  }

  #keepInView(window) {
    const { width, height } = window.element.getBoundingClientRect();
    const left = Math.min(parseInt(window.element.style.left, 10), Math.max(0, innerWidth - width));
    const top = Math.min(parseInt(window.element.style.top, 10), Math.max(0, innerHeight - height));
    window.element.style.left = `${left}px`;
    window.element.style.top = `${top}px`;
  }
}
