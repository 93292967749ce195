// Quillmark in a browser: start-up, the main menu, one instance per window class and the moves
// between windows, as on the desktop. The windows and their controls are the page's own
// elements, built from the layout tables, which the build writes into the page.
import { PageWindow, WindowStack } from './page_window.js';

// The calculators' code and the core module come once the menu has been painted, which needs
// neither: on a slow first visit they would otherwise share the network with the menu's picture.
// A menu press asks for them at once; the page is ready once they have come. If the network
// fails them, the next menu press asks again.
let calculatorCode = null;
const loadCalculators = () =>
  (calculatorCode ??= Promise.all([
    import('./calculator_window.js'),
    import('./core.mjs').then((module) => module.loadCore()),
  ]).then(([module, core]) => ({ CalculatorWindow: module.CalculatorWindow, core }), (error) => {
    calculatorCode = null;
    throw error;
  }));

const screen = document.getElementById('screen');
const ended = document.getElementById('ended');

class Shell {
  constructor(layouts) {
    this.layouts = layouts;
    this.stack = new WindowStack(screen, () => this.#end());
    this.menu = null;
    this.calculators = new Map(); // class name -> its window while it is built
  }

  start() {
    ended.hidden = true;
    this.showMainMenu();
  }

  showMainMenu() {
    if (!this.menu) this.menu = this.#buildMenu();
    this.stack.bringToFront(this.menu);
  }

  async showCalculator(className) {
    const { CalculatorWindow, core } = await loadCalculators();
    let window = this.calculators.get(className);
    if (!window) {
      const index = this.layouts.calculators.indexOf(className);
      const layout = this.layouts.windows.find((candidate) => candidate.className === className);
      window = new CalculatorWindow(layout, this.layouts, core, index, {
        onClose: (closed) => this.#close(closed, () => this.calculators.delete(className)),
        onBack: () => this.showMainMenu(),
      });
      this.calculators.set(className, window);
      this.stack.add(window);
    }
    this.stack.bringToFront(window);
  }

  #buildMenu() {
    const menu = new PageWindow(this.layouts.windows[0], this.layouts, (closed) =>
      this.#close(closed, () => (this.menu = null)),
    );
    for (const { button, target } of this.layouts.menuEntries) {
      menu.control(button).addEventListener('click', () => this.showCalculator(target));
    }
    const picture = document.createElement('img');
    Object.assign(picture, {
      src: 'images/distribution-board.webp',
      srcset: 'images/distribution-board.webp 1x, images/distribution-board@2x.webp 2x',
      width: 400,
      height: 311,
      alt: this.layouts.pictureDescription,
      decoding: 'sync',
    });
    picture.setAttribute('fetchpriority', 'high');
    menu.control('Picture1').append(picture);
    this.stack.add(menu);
    return menu;
  }

  #close(window, forget) {
    forget();
    this.stack.remove(window);
  }

  // The last window is closed: the program has ended, and a new start begins afresh.
  #end() {
    calculatorCode?.then(({ core }) => core.end(), () => {});
    this.menu = null;
    this.calculators.clear();
    ended.hidden = false;
    ended.querySelector('button').focus();
  }
}

const shell = new Shell(JSON.parse(document.getElementById('layouts').textContent));
document.getElementById('start-again').addEventListener('click', () => shell.start());
shell.start();
const picture = document.querySelector('#frmQuillmarkKVAtoAmps-Picture1 img');
await Promise.all([picture.decode().catch(() => {}), document.fonts.ready]);
await new Promise((painted) => requestAnimationFrame(() => setTimeout(painted)));
await loadCalculators().catch(() => {});
document.documentElement.dataset.ready = 'true';

// The worker keeps the site for offline use, with the picture this screen shows.
if ('serviceWorker' in navigator) {
  const shown = picture.currentSrc.slice(new URL('./', location.href).href.length);
  navigator.serviceWorker.register(`sw.js?picture=${encodeURIComponent(shown)}`).catch(() => {});
}
