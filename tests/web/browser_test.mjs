// The site in headless Chromium, as a person meets it: real mouse clicks and key presses,
// results read back through the clipboard and the accessibility tree the page exposes, never
// from inside the program. Saves pictures of the menu, a solved calculator and the power-factor
// message box.
//   node tests/web/browser_test.mjs SITE_FOLDER PICTURE_FOLDER
import assert from 'node:assert/strict';
import { mkdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { launchChromium } from './cdp.mjs';
import { serve } from '../../tools/web/serve.mjs';

const [site, pictures] = process.argv.slice(2);
const kMenuCaption =
  "Norvanta's Quillmark - Find Amps from kVA in 1Ph and 3 Ph Electrical Installations";
const kPfMessage = 'PF value should be between 0.01 and 1.00';
// Each menu button, the window it opens (its class, and its caption) and a calculation on it.
const kCalculators = [
  { button: 'kVA to Amps in Single Phase Circuits', window: 'frmKWtoAmps1PhLN',
    title: "Norvanta's Quillmark - kVA to Amps for 1 Phase Circuits", power: 'kVA',
    inputs: ['10', '230', '0.8'], amps: '54.3' },
  { button: 'kW to Amps in Single Phase Circuits', window: 'frmKVAtoAmps1PhLN',
    title: "Norvanta's Quillmark - Convert  kW to Amps in 1 Phase Circuits with  L-N Voltage", power: 'kW',
    inputs: ['10', '230'], amps: '43.5' },
  { button: 'kVA to Amps in  3 Phase  for Line to Line Voltage', window: 'frmKVAtoAmps3PhLL',
    title: "Norvanta's Quillmark - Convert  kVA to Amps in 3 Phase Circuits with  L-L Voltage", power: 'kVA',
    inputs: ['100', '400', '0.8'], amps: '180.4' },
  { button: 'kVA to Amps in  3 Phase for  Line to Neutral Voltage', window: 'frmKVAtoAmps3PhLN',
    title: "Norvanta's Quillmark - Convert  kVA to Amps in 3 Phase Circuits with  L-N Voltage", power: 'kVA',
    inputs: ['100', '230', '0.8'], amps: '181.2' },
];
const kWidth = 1280, kHeight = 800;

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function waitFor(what, probe, timeout = 10000) {
  const until = Date.now() + timeout;
  for (;;) {
    const found = await probe();
    if (found) return found;
    if (Date.now() > until) throw new Error(`timed out waiting for ${what}`);
    await sleep(50);
  }
}

const server = await serve(site, 0);
const url = `http://127.0.0.1:${server.address().port}/`;
const browser = await launchChromium(kWidth, kHeight);
let failed = false;
let savePictureOfFailure;
const logs = [];
try {
  const page = await browser.openPage();
  await page.send('Page.enable');
  await page.send('Runtime.enable');
  await page.send('Accessibility.enable');
  await page.send('Emulation.setDeviceMetricsOverride',
                  { width: kWidth, height: kHeight, deviceScaleFactor: 1, mobile: false });
  await page.send('Emulation.setFocusEmulationEnabled', { enabled: true });
  await browser.send('Browser.grantPermissions', {
    origin: url.slice(0, -1), permissions: ['clipboardReadWrite', 'clipboardSanitizedWrite'] });
  page.on('Runtime.exceptionThrown', (event) => logs.push(event.exceptionDetails.exception?.description ?? event.exceptionDetails.text));
  page.on('Runtime.consoleAPICalled', (event) =>
    logs.push(event.args.map((arg) => arg.value ?? arg.description).join(' ')));

  const evaluate = async (expression) => {
    const { result, exceptionDetails } = await page.send('Runtime.evaluate',
      { expression, awaitPromise: true, returnByValue: true, userGesture: true });
    if (exceptionDetails) throw new Error(`${expression}: ${exceptionDetails.exception?.description}`);
    return result.value;
  };
  const screenshot = async () => (await page.send('Page.captureScreenshot', { format: 'png' })).data;
  savePictureOfFailure = async () => {
    writeFileSync('build/web/failure.png', Buffer.from(await screenshot(), 'base64'));
    console.error('the page as it was: build/web/failure.png');
  };
  const savePicture = async (name) => {
    mkdirSync(pictures, { recursive: true });
    writeFileSync(join(pictures, name), Buffer.from(await screenshot(), 'base64'));
  };

  // --- loading: time from navigation to the complete main menu, the frame that then stays ---
  const started = Date.now();
  await page.send('Page.navigate', { url });
  const frames = [];
  while (Date.now() - started < 3000) {
    // While the old document goes, there is no page to take a picture of for a moment.
    const data = await screenshot().catch(() => undefined);
    if (data) frames.push({ data, at: Date.now() - started });
  }
  const settled = frames.at(-1).data;
  let first = frames.length - 1;
  while (first > 0 && frames[first - 1].data === settled) --first;
  const menuMs = frames[first].at;
  console.log(`main menu complete ${menuMs} ms after navigation (${frames.length} frames sampled)`);
  await savePicture('menu.png');
  assert.equal(await evaluate('document.title'), kMenuCaption, 'the page is named after the menu');
  assert.match(await evaluate('document.querySelector("link[rel=icon]").href'), /quillmark/);

  // --- the accessibility tree: Qt mirrors the windows into it once a screen reader asks ---
  const axNodes = async () => (await page.send('Accessibility.getFullAXTree')).nodes;
  // Accessible names come with runs of blanks collapsed, as the page lays text out.
  const collapsed = (text) => `${text ?? ''}`.replace(/\s+/g, ' ').trim();
  const named = (nodes, role, name) => nodes.find((node) => !node.ignored &&
    node.role?.value === role && collapsed(node.name?.value) === collapsed(name));
  const centreOf = async (node) => {
    const { model } = await page.send('DOM.getBoxModel', { backendNodeId: node.backendDOMNodeId });
    const [x1, y1, , , x3, y3] = model.border;
    return { x: (x1 + x3) / 2, y: (y1 + y3) / 2 };
  };
  const click = async ({ x, y }) => {
    for (const type of ['mouseMoved', 'mousePressed', 'mouseReleased']) {
      await page.send('Input.dispatchMouseEvent',
                      { type, x, y, button: 'left', buttons: type === 'mousePressed' ? 1 : 0, clickCount: 1 });
    }
  };
  const key = async (key, code, keyCode, modifiers = 0, text = undefined, commands = undefined) => {
    await page.send('Input.dispatchKeyEvent', { type: text ? 'keyDown' : 'rawKeyDown', key, code,
                                                windowsVirtualKeyCode: keyCode, modifiers, text, commands });
    await page.send('Input.dispatchKeyEvent', { type: 'keyUp', key, code, windowsVirtualKeyCode: keyCode, modifiers });
  };
  const type = async (text) => {
    for (const c of text) {
      const code = c === '.' ? 'Period' : /\d/.test(c) ? `Digit${c}` : `Key${c}`;
      await key(c, code, c === '.' ? 190 : c.charCodeAt(0), /[A-Z]/.test(c) ? 8 : 0, c);
    }
  };
  const tab = () => key('Tab', 'Tab', 9);
  // An access key; the button answers with an animated click, a moment later.
  const alt = async (letter) => {
    await key(letter, `Key${letter.toUpperCase()}`, letter.toUpperCase().charCodeAt(0), 1);
    await sleep(300);
  };
  // What a box holds, as a person would take it: select all, copy, read the clipboard.
  const copied = async () => {
    await evaluate('navigator.clipboard.writeText("")');
    await key('a', 'KeyA', 65, 2);
    await key('c', 'KeyC', 67, 2, undefined, ['copy']);
    return waitFor('the clipboard', async () => {
      const text = await evaluate('navigator.clipboard.readText()');
      return text === '' ? undefined : text;
    }, 3000).catch(() => '');
  };

  // The page's windows, as the browser lays them out: which is in front at a point, and
  // where the close button of the one in front is.
  const frontWindow = `((x, y) => {
      let element = document.elementFromPoint(x, y);
      while (element?.shadowRoot) {
        const inner = element.shadowRoot.elementFromPoint(x, y);
        if (!inner || inner === element) break;
        element = inner;
      }
      return element?.closest('.qt-window');
    })(${kWidth / 2}, ${kHeight / 2})`;
  const frontTitle = () =>
    evaluate(`${frontWindow}?.querySelector('.window-name')?.textContent ?? ''`);
  const closeButtonOfFront = () => evaluate(`(() => {
      const buttons = [...(${frontWindow}?.querySelectorAll('.title-bar .image-button') ?? [])];
      const box = buttons.at(-1)?.getBoundingClientRect();
      return box && { x: box.x + box.width / 2, y: box.y + box.height / 2 };
    })()`);
  const inFront = (title) => waitFor(`the window "${collapsed(title)}" in front`,
    async () => collapsed(await frontTitle()) === collapsed(title));
  // Where a window's controls are, as a screen reader names them: each box by the heading
  // beside it, each button by its caption. The window's elements are told apart by their
  // ids, which the page makes from the objects down to each ("QApplication.<window>. ...").
  const controlsOf = async (window) => {
    const controls = {};
    for (const node of (await axNodes()).filter((n) => !n.ignored && n.backendDOMNodeId)) {
      if (!['textbox', 'button'].includes(node.role?.value)) continue;
      const { node: element } = await page.send('DOM.describeNode', { backendNodeId: node.backendDOMNodeId });
      const id = element.attributes?.[element.attributes.indexOf('id') + 1] ?? '';
      if (!id.startsWith(`QApplication.${window}.`)) continue;
      const centre = await centreOf(node).catch(() => undefined);
      if (centre) controls[collapsed(node.name?.value)] = centre;
    }
    return controls;
  };
  // A screen reader presses the page's switch as it presses any button: by its action.
  const enableScreenReader = async () => {
    const enable = await waitFor('the screen-reader switch',
      async () => named(await axNodes(), 'button', 'Enable Screen Reader'));
    const { object } = await page.send('DOM.resolveNode', { backendNodeId: enable.backendDOMNodeId });
    await page.send('Runtime.callFunctionOn', { objectId: object.objectId, functionDeclaration: 'function () { this.click(); }' });
  };
  const axButton = (name) => waitFor(`the button "${name}"`,
    async () => named(await axNodes(), 'button', name));

  // --- as a screen reader finds them: each menu button by its name, and each calculator's
  // boxes. Once a screen reader is on, Qt lays elements of its own over the boxes, which
  // take the pointer and the keys; so the layout found here is then used on a fresh page,
  // as a person with a mouse and a keyboard uses it. ---
  await enableScreenReader();
  const layout = [];
  for (const calculator of kCalculators) {
    const button = await centreOf(await axButton(calculator.button));
    await click(button);
    await inFront(calculator.title);
    const boxes = await waitFor('the boxes by their names', async () => {
      const found = await controlsOf(calculator.window);
      return found[calculator.power] && found.Current && found['Back to Main Page'] && found;
    });
    layout.push({ button, boxes });
    await click(boxes['Back to Main Page']);
    await inFront(kMenuCaption);
  }
  await page.send('Page.reload');
  await sleep(500);
  await inFront(kMenuCaption);

  for (const [index, calculator] of kCalculators.entries()) {
    const { button, boxes } = layout[index];
    // The menu starts with the focus on its first button, which the space bar presses; the
    // others are clicked. A calculator opens with the focus in its power box, and the boxes
    // take typing in their tab order.
    if (index === 0) await key(' ', 'Space', 32, 0, ' ');
    else await click(button);
    await inFront(calculator.title);
    for (const [i, value] of calculator.inputs.entries()) {
      if (i > 0) await tab();
      await type(value);
    }
    await alt('s');
    await click(boxes.Current);
    const amps = await copied();
    assert.equal(amps, calculator.amps, `${calculator.title}: the current`);
    console.log(`${calculator.button.replace(/\s+/g, ' ')}: ${calculator.inputs.join(', ')} -> ${amps} A`);
    if (index === 0) await savePicture('calculator.png');

    // Clear empties the window. A copy from an empty box leaves the clipboard as it was, so
    // the person types into the result box and copies what it then holds.
    const afterTyping = async (box, text) => {
      await click(box);
      await type(text);
      return copied();
    };
    await alt('c');
    assert.equal(await afterTyping(boxes.Current, '7'), '7', `${calculator.title}: Clear`);
    await alt('c');

    if (calculator.inputs.length === 2) {
      // A current too large to store: the arithmetic error ends the Solve, and says so.
      await click(boxes[calculator.power]);
      await type('1E36');
      await tab();
      await type('.1');
      await alt('s');
      await inFront('Quillmark');
      await key('Enter', 'Enter', 13, 0, '\r');
      await inFront(calculator.title);
      assert.equal(await afterTyping(boxes.Current, '7'), '7', 'the overflowing Solve wrote no current');
      console.log('1E36 kW at 0.1 V: the overflow box, and the window as it was');
    }

    if (calculator.inputs.length === 3) {
      // A power factor out of range: the message box, modal, closed with its OK.
      await click(boxes[calculator.power]);
      await type(calculator.inputs[0]);
      await tab();
      await type(calculator.inputs[1]);
      await tab();
      await type('1.5');
      await alt('s');
      await inFront('Quillmark');
      if (index === 0) await savePicture('pf-box.png');
      if (index === kCalculators.length - 1) {
        // The last one is read by a screen reader, and closed through it, as is the window.
        await enableScreenReader();
        await waitFor('the message in the accessibility tree', async () => (await axNodes()).some(
          (node) => !node.ignored && [node.name?.value, node.value?.value].some(
            (text) => collapsed(text) === kPfMessage)));
        await click(await centreOf(await axButton('OK')));
        await inFront(calculator.title);
        await click(boxes['Back to Main Page']);
        await inFront(kMenuCaption);
        continue;
      }
      await key('Enter', 'Enter', 13, 0, '\r');
      await inFront(calculator.title);
    }
    await alt('b');
    await inFront(kMenuCaption);
  }

  // Closing every window ends the program; the page says so and offers to start again.
  for (let open = 5; open > 0; --open) {
    const close = await closeButtonOfFront();
    if (!close) break;
    await click(close);
    await sleep(200);
  }
  const ended = await waitFor('the page to say the program ended', async () => {
    const text = await evaluate('document.getElementById("status").hidden ? "" : document.body.innerText');
    return text.includes('ended') && text;
  });
  assert.match(ended, /Start Quillmark again/);
  console.log(`after the last window: ${ended.replace(/\s+/g, ' ').trim()}`);
} catch (error) {
  failed = true;
  console.error(`FAILED: ${error.stack ?? error}`);
  await savePictureOfFailure?.().catch(() => {});
  if (logs.length) console.error(`the page's log, last lines:\n${logs.slice(-30).map((line) => `${line}`.split('\n').slice(0, 4).join('\n')).join('\n')}`);
} finally {
  await browser.close();
  server.close();
}
process.exit(failed ? 1 : 0);
