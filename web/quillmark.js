// Quillmark in a browser: start-up, the main menu, one instance per window class and the moves
// between windows, as on the desktop. The windows and their controls are the page's own
// elements, built from the layout tables, which the build writes beside the page as JSON.

// The build drew the main menu into the page, and its picture is the most of a first screen:
// the menu's own code is asked for, and lays anything out, only once that picture is on the
// screen, or sooner if the person presses a key or a button, or the picture cannot come.
// Where the browser does not say when a picture was painted, its decoding and a frame stand in.
function onScreen(picture) {
  return new Promise((shown) => {
    const painted = () => requestAnimationFrame(() => setTimeout(shown));
    if (document.hidden || !globalThis.PerformanceObserver?.supportedEntryTypes?.includes('largest-contentful-paint')) {
      picture.decode().then(painted, painted);
      return;
    }
    new PerformanceObserver((entries) => {
      if (entries.getEntries().some((entry) => entry.element === picture)) shown();
    }).observe({ type: 'largest-contentful-paint', buffered: true });
    for (const event of ['pointerdown', 'keydown', 'visibilitychange']) addEventListener(event, shown, { once: true, capture: true });
    picture.addEventListener('error', shown);
    // A larger paint before it, or a browser that stops reporting, still lets the menu start.
    picture.decode().then(() => setTimeout(shown, 500), shown);
  });
}
// A button of the drawn menu pressed before its code has come is pressed again once it has.
let pressedEarly = null;
const notePress = (event) => {
  pressedEarly = event.target.closest?.('.window button[data-control]') ?? pressedEarly;
};
addEventListener('click', notePress, true);
const picture = document.querySelector('.window .client img');
await onScreen(picture);
// What installs the page and marks its tab comes then too, for the same reason.
for (const [rel, href] of [['manifest', 'manifest.webmanifest'], ['apple-touch-icon', 'icons/quillmark-192.png']]) {
  document.head.append(Object.assign(document.createElement('link'), { rel, href }));
}
const [{ WindowStack }, { MainMenu }, layouts] = await Promise.all([
  import('./page_window.js'),
  import('./main_menu.js'),
  fetch('layouts.json').then((response) => (response.ok ? response.json() : Promise.reject(new Error(response.statusText)))),
]);

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
    const drawn = document.getElementById(this.layouts.windows[0].className);
    const menu = new MainMenu(this.layouts, (closed) => this.#close(closed, () => (this.menu = null)), drawn);
    for (const { button, target } of this.layouts.menuEntries) {
      menu.control(button).addEventListener('click', () => this.showCalculator(target));
    }
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

const shell = new Shell(layouts);
document.getElementById('start-again').addEventListener('click', () => shell.start());
shell.start();
removeEventListener('click', notePress, true);
if (pressedEarly?.isConnected) pressedEarly.click();
await loadCalculators().catch(() => {}); // the menu is on the screen already: see onScreen
document.documentElement.dataset.ready = 'true';

// The worker keeps the site for offline use, with the picture this screen shows.
if ('serviceWorker' in navigator) {
  const shown = picture.currentSrc.slice(new URL('./', location.href).href.length);
  navigator.serviceWorker.register(`sw.js?picture=${encodeURIComponent(shown)}`).catch(() => {});
}
