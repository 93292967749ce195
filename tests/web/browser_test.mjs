// The site in headless Chromium and Firefox ESR, as a person meets it: real key presses, mouse
// clicks and touch taps, and what the page shows read back from it (box values, captions,
// colours, the focus, the accessibility tree). The layouts come from the native tool, so a
// control the page places or names otherwise than its table fails here. The site is served
// from a sub-folder, so an absolute address in it fails too. Saves the pictures the README shows.
//   node tests/web/browser_test.mjs SITE_DIR LAYOUTS_JSON PICTURE_DIR
// BROWSERS=chromium or ONLY=phone,offline (parts of the groups' names) run a part.
import puppeteer from 'puppeteer-core';
import axe from 'axe-core';
import { mkdirSync, readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { isDeepStrictEqual } from 'node:util';
import { serve } from './serve.mjs';

const [siteDir, layoutsFile, pictureDir] = process.argv.slice(2);
if (!pictureDir) {
  console.error('usage: node tests/web/browser_test.mjs SITE_DIR LAYOUTS_JSON PICTURE_DIR');
  process.exit(2);
}
const L = JSON.parse(readFileSync(layoutsFile, 'utf8'));
const kFailures = fileURLToPath(new URL('../../build/web/', import.meta.url));
const kMenu = L.windows[0].className;
const px = (twips) => Math.floor((twips + 7) / 15);
const shown = (text) => text.replace(/&(.)/g, '$1');
const layoutOf = (window) => L.windows.find((w) => w.className === window);
const rowOf = (window, name) => layoutOf(window).controls.find((row) => row.name === name);
const accessKey = (row) => /&([^&])/.exec(row.text.replaceAll('&&', ''))?.[1].toUpperCase();
const tabOrder = (window) => layoutOf(window).controls
  .filter((row) => ['textBox', 'button', 'pictureBox'].includes(row.kind))
  .sort((a, b) => a.tabIndex - b.tabIndex).map((row) => `${window}-${row.name}`);
const menuButton = (window) => L.menuEntries.find((entry) => entry.target === window).button;
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

const kBrowsers = [
  { name: 'chromium', launch: { browser: 'chrome', executablePath: '/usr/bin/chromium',
                                args: process.getuid?.() === 0 ? ['--no-sandbox'] : [] } },
  { name: 'firefox', launch: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr' } },
].filter((b) => !process.env.BROWSERS || process.env.BROWSERS.split(',').includes(b.name));

const kLL = 'frmKVAtoAmps3PhLL';
// Whole calculations from the menu, by mouse or by access keys: what is typed, what shows.
const kCalculations = [
  { window: kLL, typed: ['100', '400', '0.8'], keys: true, shows: { txtAmps: '180.4', txtVolts: '400', txtPF: '0.80' } },
  { window: 'frmKWtoAmps1PhLN', typed: ['10', '230', '0.8'], shows: { txtAmps: '54.3', txtPF: '0.80' } },
  { window: 'frmKVAtoAmps1PhLN', typed: ['10', '230'], keys: true, shows: { txtAmps: '43.5', txtVolts: '230' } },
  { window: 'frmKVAtoAmps3PhLN', typed: ['100', '230', '0.8'], shows: { txtAmps: '181.2' } },
];
// Solves on one window in a row: each box over the window as it stood when it was raised,
// then the window as Solve left it.
const kPrompt = 'PF value should be between 0.01 and 1.00 ';
// Each row starts from Clear; the marks of the last stay for the Clear after it.
const kMessageBoxes = [
  { typed: ['1E36', '.1', '1'], amps: '12', box: "OverflowBox: Run-time error '6': Overflow", close: ' ', marked: [],
    behind: { txtVolts: '.1', txtAmps: '12', lblMsg: '' }, after: {} },
  { typed: ['100', '400', '0'], box: `MsgBox: ${kPrompt}`, close: 'Enter', marked: ['lbl8', 'txtAmps'],
    behind: { lbl8: ' Invalid PF value', lblMsg: '', txtPF: '0.00', txtAmps: '14434180' },
    after: { lblMsg: 'exceeded 9.99x10^5 Amps' } },
  { typed: ['100', '400', '-0.5'], box: `MsgBox: ${kPrompt}`, close: 'click', marked: ['lbl8', 'txtAmps', 'txtPF'],
    behind: { lbl8: ' Invalid PF value', lblMsg: '', txtPF: '-0.5', txtAmps: '-288.7' }, after: {} },
];

// What a person sees of the page: the front window, its boxes and message labels, which of
// them are marked (a background other than the one they had at rest), the focus, an open
// message box, the end screen. Runs in the page.
function view(labels, rest = {}) {
  const front = document.querySelector('.window.front');
  const dialog = document.querySelector('dialog[open]');
  const values = {}, colours = {};
  for (const e of front?.querySelectorAll('input[data-control]') ?? []) values[e.dataset.control] = e.value;
  for (const e of labels.map((name) => front?.querySelector(`[data-control="${name}"]`)).filter(Boolean)) {
    values[e.dataset.control] = e.innerText;
  }
  for (const name of Object.keys(values)) colours[name] = getComputedStyle(front.querySelector(`[data-control="${name}"]`)).backgroundColor;
  return { front: front?.id ?? null, focus: document.activeElement?.id || null, values, colours,
           marked: Object.keys(values).filter((name) => rest[name] && colours[name] !== rest[name]).sort(),
           dialog: dialog ? `${dialog.id}: ${dialog.querySelector('.message').innerText}` : null,
           ended: !document.getElementById('ended').hidden,
           windows: [...document.querySelectorAll('.window')].map((w) => w.id).sort() };
}
const pick = (seen, expected) => (seen && expected && typeof expected === 'object' && !Array.isArray(expected)
  ? Object.fromEntries(Object.keys(expected).map((key) => [key, pick(seen[key], expected[key])])) : seen);

// Each control's border box against its container's, and its caption as shown. Runs in the page.
function geometry(window, rows) {
  const element = (name) => document.getElementById(`${window}-${name}`);
  const client = document.querySelector(`#${window} .client`).getBoundingClientRect();
  const controls = {};
  for (const { name, kind, container } of rows.filter((row) => element(row.name))) {
    const e = element(name), r = e.getBoundingClientRect();
    const c = container ? element(container).getBoundingClientRect() : client;
    const text = { textBox: e.value, frame: e.querySelector('legend')?.innerText, pictureBox: '' }[kind] ?? e.innerText;
    const { fontSize, fontWeight, fontFamily, textAlign } = getComputedStyle(e);
    controls[name] = [r.left - c.left, r.top - c.top, r.width, r.height, text,
                      { size: parseFloat(fontSize), weight: Number(fontWeight), family: fontFamily.replace(/"/g, ''), align: textAlign }];
  }
  return { client: [client.width, client.height], caption: document.querySelector(`#${window} .caption`)?.innerText, controls };
}

// What matters on a small screen, of the front window. Runs in the page.
function phoneFacts(rows) {
  const small = [], tiny = [], keyboards = [];
  for (const e of document.querySelectorAll('.window.front [data-control], .window.front .close')) {
    const row = rows.find((r) => r.name === e.dataset.control);
    const r = e.getBoundingClientRect(), size = parseFloat(getComputedStyle(e).fontSize);
    if (e.matches('button, input') && (r.width < 44 || r.height < 44)) small.push(`${e.id || e.className} ${Math.round(r.width)}x${Math.round(r.height)}`);
    if (row && (e.innerText || e.value) && size < row.font.points * 96 / 72 - 0.01) tiny.push(`${e.id} ${size}px`);
    if (e.matches('input') && e.inputMode !== 'decimal') keyboards.push(e.id);
  }
  return { scroll: document.documentElement.scrollWidth, small, tiny, keyboards };
}

let passed = 0, failed = 0;

async function run({ name: browserName, launch }) {
  const site = await serve(siteDir, { under: '/some/folder/' });
  const browser = await puppeteer.launch({ ...launch, headless: true });
  const chromium = browserName === 'chromium';
  let page, pictureOfFailure = false, rest = {};
  const check = async (what, ok, detail) => {
    const said = detail?.length > 800 ? `${detail.slice(0, 800)}…` : detail;
    console.log(`${ok ? 'PASS' : 'FAIL'} ${browserName}: ${what}${ok || !said ? '' : ` — ${said}`}`);
    if (ok) return ++passed;
    ++failed;
    if (pictureOfFailure) return;
    pictureOfFailure = true;
    mkdirSync(kFailures, { recursive: true });
    await page.screenshot({ path: `${kFailures}failure-${browserName}.png` }).catch(() => {});
  };
  const same = (what, actual, expected) => check(what, isDeepStrictEqual(actual, expected),
    `saw ${JSON.stringify(actual)}, expected ${JSON.stringify(expected)}`);
  // Gives the page a moment to show what is expected, then says what it shows.
  const sees = async (what, expected) => {
    const until = Date.now() + 3000;
    let seen;
    for (;;) {
      seen = pick(await page.evaluate(view, L.messageLabels.map((m) => m.label), rest), expected);
      if (isDeepStrictEqual(seen, expected) || Date.now() > until) break;
      await sleep(50);
    }
    return same(what, seen, expected);
  };
  // The README's pictures come from Chromium's run alone.
  const picture = async (name) => {
    if (!chromium) return;
    mkdirSync(pictureDir, { recursive: true });
    await page.screenshot({ path: `${pictureDir}/${name}` });
  };
  const centre = async (selector) => {
    const box = await (await page.waitForSelector(selector, { visible: true, timeout: 5000 })).boundingBox();
    return [box.x + box.width / 2, box.y + box.height / 2];
  };
  const click = async (selector, options) => page.mouse.click(...await centre(selector), options);
  const tap = async (selector) => page.touchscreen.tap(...await centre(selector));
  const press = (key) => page.keyboard.press(key);
  const chord = async (modifier, key, options) => {
    await page.keyboard.down(modifier);
    await page.keyboard.press(key, options);
    await page.keyboard.up(modifier);
  };
  const alt = (letter) => chord('Alt', `Key${letter}`);
  const fill = async (typed) => {
    for (const [i, text] of typed.entries()) {
      if (i > 0) await press('Tab');
      await page.keyboard.type(text);
    }
  };
  // Through the clipboard and Ctrl+V, as a person pastes. Chromium's headless keyboard has
  // no editing commands of its own: the key names the one it stands for.
  const paste = async (text) => {
    await page.evaluate((t) => navigator.clipboard.writeText(t), text);
    await chord('Control', 'KeyV', chromium ? { commands: ['Paste'] } : {});
  };
  const focused = () => page.evaluate(() => document.activeElement?.id);
  const fresh = async () => {
    await page.goto(site.url);
    await page.waitForFunction(() => document.documentElement.dataset.ready === 'true', { timeout: 10000 })
      .catch(() => { throw new Error('the page did not say it was ready within 10 s'); });
  };
  const open = async (window) => {
    await click(`#${kMenu}-${menuButton(window)}`);
    await page.waitForSelector(`#${window}.front`, { timeout: 3000 });
  };
  // Clear, then (a result typed in first, which a Solve that fails must leave) the inputs, Alt+S.
  const solveAfresh = async (window, typed, amps) => {
    await click(`#${window}-cmdClear`);
    if (amps) {
      await click(`#${window}-txtAmps`);
      await page.keyboard.type(amps);
    }
    await click(`#${window}-txtKVA`);
    await fill(typed);
    await alt('S');
  };
  const axeViolations = async () => {
    if (!await page.evaluate(() => 'axe' in window)) await page.evaluate(axe.source);  // the CSP bars a <script>
    return page.evaluate(async () => (await window.axe.run(document, { resultTypes: ['violations'] }))
      .violations.map((v) => `${v.id} (${v.nodes.map((n) => n.target.join(' ')).join(', ')})`));
  };
  const axNodes = async (root) => {
    const nodes = [], walk = (node) => { nodes.push(node); node.children?.forEach(walk); };
    walk(await page.accessibility.snapshot({ root: root && await page.$(root), interestingOnly: !root }));
    return nodes;
  };

  const groups = {
    // Each window as it first shows at the desk: every control where its table puts it, at
    // its size, with its caption, font and alignment (a button's caption is centred whatever its
    // row says, as on the desktop); the tab order; no axe-core violations.
    async 'each window'() {
      await fresh();
      await sees('it opens on the menu, alone, with the focus on its first button',
                 { front: kMenu, focus: tabOrder(kMenu)[0], windows: [kMenu], ended: false });
      await same('the page is named after the menu', await page.title(), L.windows[0].caption);
      await same('the picture shows, at 1x, with its text alternative', await page.$eval(`#${kMenu} .client img`,
        (img) => [img.complete && img.naturalWidth > 0, img.alt, img.currentSrc.split('/').at(-1)]),
      [true, L.pictureDescription, 'distribution-board.webp']);
      await picture('menu.png');
      for (const { className: window, caption, controls } of L.windows) {
        if (window !== kMenu) await open(window);
        const seen = await page.evaluate(geometry, window, controls.map(({ name, kind, container }) => ({ name, kind, container })));
        const differences = controls.flatMap(({ name, left, top, width, height, text }) => {
          const at = seen.controls[name];
          if (!at) return [`${name} missing`];
          const off = ['left', 'top', 'width', 'height'].map((what, i) => [what, at[i], px([left, top, width, height][i])])
            .filter(([, got, want]) => Math.abs(got - want) > 1).map(([what, got, want]) => `${what} ${got.toFixed(1)} (table ${want})`);
          if (at[4] !== shown(text)) off.push(`caption ${JSON.stringify(at[4])} (table ${JSON.stringify(shown(text))})`);
          const { size, weight, family, align } = at[5], row = rowOf(window, name);
          if (row.kind !== 'pictureBox' && (Math.abs(size - row.font.points * 96 / 72) > 0.5 || weight !== row.font.weight ||
              !family.startsWith(row.font.family.replace(/^@/, '')) ||
              (row.kind !== 'button' && !(row.align === 'centre' ? ['center'] : ['left', 'start']).includes(align)))) {
            off.push(`font ${size}px ${weight} ${family.split(',')[0]} ${align} (table ${row.font.points}pt ${row.font.weight} ${row.font.family} ${row.align})`);
          }
          return off.length ? [`${name}: ${off.join(', ')}`] : [];
        });
        const client = [px(L.clientWidth), px(L.clientHeight)];
        if (!isDeepStrictEqual(seen.client, client)) differences.unshift(`client area ${seen.client} (table ${client})`);
        if (seen.caption !== caption) differences.unshift(`window caption ${JSON.stringify(seen.caption)}`);
        await check(`${window}: ${controls.length} controls at their tables' pixels, with their captions, fonts and alignment`,
                    differences.length === 0, differences.join('; '));
        await same(`axe-core: no violations with ${window} in front`, await axeViolations(), []);
        const order = tabOrder(window), tabbed = [await focused()];
        for (let i = 0; i < order.length; ++i) {
          await press('Tab');
          tabbed.push(await focused());
        }
        await chord('Shift', 'Tab');
        tabbed.push(await focused());
        await same(`${window}: Tab goes round in the table's order, Shift+Tab back`, tabbed, [...order, order[0], order.at(-1)]);
        if (window !== kMenu) await alt('B');
      }
    },

    async 'whole calculations, Clear and Back'() {
      await fresh();
      for (const { window, typed, shows, keys } of kCalculations) {
        await open(window);
        await sees(`${window} opens in front from ${menuButton(window)}, the focus in its first box`,
                   { front: window, focus: tabOrder(window)[0] });
        await fill(typed);
        await (keys ? alt('S') : click(`#${window}-cmdSolve`));
        await sees(`${window}: ${typed.join(' / ')} by ${keys ? 'Alt+S' : 'Solve'}, the focus to Clear`,
                   { values: shows, focus: `${window}-cmdClear`, dialog: null });
        if (window === kCalculations[0].window) await picture('calculator.png');
        await (keys ? alt('C') : click(`#${window}-cmdClear`));
        const empty = Object.fromEntries([...layoutOf(window).controls.filter((r) => r.kind === 'textBox').map((r) => r.name),
                                          ...L.messageLabels.map((m) => m.label)].map((name) => [name, '']));
        await sees(`${window}: ${keys ? 'Alt+C' : 'Clear'} empties it`, { values: empty });
        await (keys ? alt('B') : click(`#${window}-cmdBackMainPage`));
        await sees(`${window}: ${keys ? 'Alt+B' : 'Back'} brings the menu to the front, the focus on the button that opened it`,
                   { front: kMenu, focus: `${kMenu}-${menuButton(window)}` });
      }
    },

    async 'message boxes in turn, marks'() {
      await fresh();
      await open(kLL);
      rest = (await page.evaluate(view, L.messageLabels.map((m) => m.label))).colours;
      for (const { typed, amps, box, close, behind, after, marked } of kMessageBoxes) {
        const name = typed.join(' / ');
        await solveAfresh(kLL, typed, amps);
        await sees(`${name}: ${box.split(':')[0]}, over the window as it stood when raised`,
                   { dialog: box, values: behind, front: kLL });
        if (close === 'Enter') await picture('pf-box.png');
        await (close === 'click' ? click('dialog[open] .ok') : press(close));
        await sees(`${name}: closed by ${JSON.stringify(close)}, the window as Solve left it, ${marked.join(' ') || 'nothing'} marked`,
                   { dialog: null, values: { ...behind, ...after }, marked, focus: `${kLL}-cmdClear` });
      }
      await alt('C');
      await sees('Clear takes the marks away', { marked: [] });
    },

    async 'hurried hands'() {
      // A menu button pressed while the menu's code is still on its way opens its window once it has come.
      await page.evaluate(async () => {  // a first visit: no worker answers for the host
        for (const registration of await navigator.serviceWorker?.getRegistrations() ?? []) await registration.unregister();
      });
      site.slow.add('main_menu.js');
      await page.goto(site.url);
      await click(`#${kMenu}-${menuButton(kLL)}`);
      site.slow.clear();
      await page.waitForSelector(`#${kLL}.front`, { timeout: 5000 }).catch(() => {});
      await sees('a menu button pressed before the page\'s code came', { front: kLL });
      await fresh();
      // Keys typed before the window they are meant for has opened land in it.
      const first = L.menuEntries.find((entry) => tabOrder(kMenu)[0] === `${kMenu}-${entry.button}`).target;
      await press(' ');
      await fill(['10', '230', '0.8']);
      await alt('S');
      await sees(`Space on the menu, then 10 Tab 230 Tab 0.8 Alt+S typed ahead: solved in ${first}`,
                 { front: first, values: { txtAmps: '54.3' } });
      // A Solve's box waits for the person; what was typed ahead of it does not run meanwhile.
      await solveAfresh(first, ['100', '400', '0']);
      await alt('C');
      await alt('B');
      await sees('Alt+C and Alt+B typed ahead of the box: the box shows, and Clear and Back wait',
                 { dialog: `MsgBox: ${kPrompt}`, front: first, values: { txtVolts: '400' } });
      await press('Enter');
      await sees('…and once it is closed they have not run', { dialog: null, front: first, values: { txtVolts: '400' } });
      // A key right after the last box closes is the person's next action, after the Solve's.
      await alt('S');
      await page.waitForSelector('dialog[open]');
      await press('Enter');
      await alt('C');
      await sees('Enter on the box and Alt+C at once: the box closes, then Clear empties the window',
                 { dialog: null, values: { txtKVA: '', txtVolts: '', txtAmps: '', lbl8: '' } });

      // Each box takes as many characters as its table allows, typed or pasted.
      await alt('C');
      const rows = layoutOf(first).controls.filter((r) => r.kind === 'textBox');
      for (const row of rows) {
        await click(`#${first}-${row.name}`);
        await page.keyboard.type('1234567890');
      }
      await sees(`typing is cut to each box's length (${rows.map((r) => `${r.name} ${r.maxLength}`).join(', ')})`,
                 { values: Object.fromEntries(rows.map((r) => [r.name, '1234567890'.slice(0, r.maxLength)])) });
      await click(`#${first}-txtKVA`);
      await press('Tab');
      await page.keyboard.type('7');
      await sees('Tab into a box selects what it holds, so typing replaces it, as on the desktop', { values: { txtVolts: '7' } });
      await alt('C');
      await click(`#${first}-txtKVA`);
      await paste('12345😀9');
      await sees('a paste is cut by characters, not UTF-16 units', { values: { txtKVA: '12345😀' } });
      await click(`#${first}-txtAmps`);
      const started = Date.now();
      await paste('9876543210'.repeat(20000));
      await sees('200,000 pasted characters: the first 8 are kept', { values: { txtAmps: '98765432' } });
      const took = Date.now() - started;
      await check(`…and the page answers within two seconds (${took} ms)`, took < 2000);

      // A double click on Back: the first click brings the menu to the front, the second
      // lands on what the menu has beneath the pointer, as on the desktop.
      const back = rowOf(kLL, 'cmdBackMainPage');
      const [x, y] = [px(back.left) + px(back.width) / 2, px(back.top) + px(back.height) / 2];
      const beneath = layoutOf(kMenu).controls.find((r) => r.kind === 'button' && x >= px(r.left) &&
        x < px(r.left) + px(r.width) && y >= px(r.top) && y < px(r.top) + px(r.height));
      const target = L.menuEntries.find((entry) => entry.button === beneath?.name)?.target ?? kMenu;
      await alt('B');
      await open(kLL);
      await click(`#${kLL}-cmdBackMainPage`, { count: 2 });
      await sees(`a double click on Back: ${target} in front (the menu's ${beneath?.name ?? 'client area'} was beneath), one instance each`,
                 { front: target, windows: [...new Set([kMenu, first, kLL])].sort() });
    },

    // An access key of one button presses it, as Alt+S, C and B do above; one shared by several
    // moves the focus between them.
    async 'the menu\'s shared access key'() {
      await fresh();
      const rows = layoutOf(kMenu).controls.filter((row) => accessKey(row));
      const shared = rows.filter((r) => rows.filter((o) => accessKey(o) === accessKey(r)).length > 1);
      if (!shared.length) return;
      const seen = [];
      for (let i = 0; i < shared.length; ++i) {
        await alt(accessKey(shared[0]));
        seen.push(await focused());
      }
      await same(`Alt+${accessKey(shared[0])}, shared by ${shared.length} buttons, moves the focus between them and presses none`,
                 [...seen.sort(), (await page.evaluate(view, [])).front], [...shared.map((r) => `${kMenu}-${r.name}`).sort(), kMenu]);
    },

    async 'closing, reopening, the end'() {
      await fresh();
      // The menu first shown is the build's drawing of it; every later one the page's own.
      const looks = async () => ({
        ...await page.evaluate(geometry, kMenu, layoutOf(kMenu).controls.map(({ name, kind, container }) => ({ name, kind, container }))),
        markup: await page.$eval(`#${kMenu}`, (menu) => menu.outerHTML.replace(/ style="[^"]*"/g, '')),
      });
      const drawn = await looks();
      const [a, b] = [kLL, 'frmKVAtoAmps3PhLN'];
      await open(a);
      await fill(['5', '230']);
      await alt('B');
      await open(b);
      await alt('B');
      await open(a);
      await sees(`${a}, brought back, keeps its contents and its focus`,
                 { front: a, focus: `${a}-txtVolts`, values: { txtKVA: '5', txtVolts: '230' } });
      await click(`#${a} .close`);
      await sees(`closing ${a} brings the window before it to the front`, { front: kMenu, windows: [b, kMenu].sort() });
      await open(a);
      const initial = Object.fromEntries(layoutOf(a).controls.filter((r) => r.kind === 'textBox').map((r) => [r.name, r.text]));
      await sees(`${a}, reopened, has its layout's initial contents`, { front: a, focus: tabOrder(a)[0], values: initial });
      await alt('B');
      await click(`#${kMenu} .close`);
      await sees('closing the menu leaves the calculators running', { front: a, windows: [a, b].sort(), ended: false });
      await alt('B');
      await sees('Back rebuilds the menu', { front: kMenu, windows: [a, b, kMenu].sort() });
      await same('the rebuilt menu is the one the build drew, control for control', await looks(), drawn);
      for (const window of [kMenu, a, b]) await click(`#${window} .close`);
      await sees('the last window closed: the page says the program has ended', { ended: true, windows: [], focus: 'start-again' });
      await click('#start-again');
      await sees('Start again: the menu, afresh', { ended: false, front: kMenu, windows: [kMenu], focus: tabOrder(kMenu)[0] });
    },

    async 'accessibility'() {
      await fresh();
      await open(kLL);
      for (const [typed, box] of [[['100', '400', '0'], 'MsgBox'], [['1E36', '.1', '1'], 'OverflowBox']]) {
        await solveAfresh(kLL, typed);
        await page.waitForSelector(`#${box}[open]`);
        await same(`axe-core: no violations with the ${box} open`, await axeViolations(), []);
        // The accessibility tree comes through CDP, which only Chromium has.
        if (chromium) {
          const dialog = (await axNodes()).find((n) => n.role === 'alertdialog');
          const message = await page.$eval(`#${box} .message`, (p) => p.innerText.trim());
          await check(`the ${box} is an alert dialog that says its message`,
                      `${dialog?.name} ${dialog?.description}`.includes(message), JSON.stringify(dialog));
        }
        await press('Enter');
      }
      if (!chromium) return;
      const nodes = await axNodes(`#${kLL}`);
      const collapse = (name) => shown(rowOf(kLL, name).text).replace(/\s+/g, ' ').trim();
      const expected = L.boxCaptions.map(({ box, heading, unit }) => [box, collapse(heading), collapse(unit)]);
      await same(`${kLL}: each box is named by its heading and described by its unit`, expected.map(([box, name]) => {
        const node = nodes.find((n) => n.role === 'textbox' && n.name === name);
        return [box, node?.name, node?.description];
      }), expected);
      const cdp = await page.createCDPSession();
      const live = [];
      for (const { label } of L.messageLabels) {
        const { result } = await cdp.send('Runtime.evaluate', { expression: `document.getElementById('${kLL}-${label}')` });
        const { nodes: ax } = await cdp.send('Accessibility.getPartialAXTree', { objectId: result.objectId, fetchRelatives: false });
        live.push(ax[0]?.properties?.find((p) => p.name === 'live')?.value.value ?? 'none');
      }
      await check(`${kLL}: the message labels are live regions (${live.join(', ')})`,
                  live.every((value) => value === 'polite' || value === 'assertive'));
      await cdp.detach();
    },

    // A person's own colours (Windows high contrast) win over the layout's. Chromium only:
    // forced colours are emulated through CDP.
    async 'forced colours'() {
      if (!chromium) return;
      const cdp = await page.createCDPSession();
      await cdp.send('Emulation.setEmulatedMedia', { features: [{ name: 'forced-colors', value: 'active' }] });
      await fresh();
      await open(kLL);
      await solveAfresh(kLL, ['100', '400', '0']);
      await press('Enter');
      const seen = await page.evaluate((window) => {
        const probe = document.body.appendChild(document.createElement('div'));
        const system = (name) => { probe.style.color = name; return getComputedStyle(probe).color; };
        const colours = ['Canvas', 'CanvasText', 'Field', 'FieldText', 'ButtonFace', 'ButtonText', 'GrayText'].map(system);
        const text = system('CanvasText');
        probe.remove();
        const style = (name) => getComputedStyle(document.getElementById(`${window}-${name}`));
        return { colours, text, amps: [style('txtAmps').backgroundColor, style('txtAmps').color],
                 title: style('Label1').color, message: style('lbl8').backgroundColor };
      }, kLL);
      await same(`a marked box is readable in the system's colours (${seen.amps.join(' on ')})`,
                 [seen.colours.includes(seen.amps[0]), seen.colours.includes(seen.amps[1]), seen.amps[0] !== seen.amps[1]],
                 [true, true, true]);
      await same('a label\'s fixed grey text takes the system\'s text colour', seen.title, seen.text);
      await check(`a marked message label drops its fixed grey (${seen.message})`, seen.message !== 'rgb(128, 128, 128)');
      await cdp.detach();
    },

    async 'a phone'() {
      await page.setViewport({ width: 412, height: 915, deviceScaleFactor: 2.625, isMobile: true, hasTouch: true });
      await fresh();
      await same('the menu shows the 2x picture', await page.$eval(`#${kMenu} .client img`,
        (img) => [img.complete, img.currentSrc.split('/').at(-1)]), [true, 'distribution-board@2x.webp']);
      for (const window of [kMenu, kLL]) {
        if (window !== kMenu) await tap(`#${kMenu}-${menuButton(window)}`);
        await page.waitForSelector(`#${window}.front`);
        await same(`${window} at 412 px: no sideways scrolling, buttons and boxes 44x44 or more, no text below the layout's size, decimal keyboards`,
                   await page.evaluate(phoneFacts, layoutOf(window).controls), { scroll: 412, small: [], tiny: [], keyboards: [] });
      }
      for (const [box, text] of [['txtKVA', '100'], ['txtVolts', '400'], ['txtPF', '0.8']]) {
        await tap(`#${kLL}-${box}`);
        await page.keyboard.type(text);
      }
      await tap(`#${kLL}-cmdSolve`);
      await sees('a whole calculation by touch and typing', { front: kLL, values: { txtAmps: '180.4', txtPF: '0.80' } });
      await picture('phone.png');
      await page.setViewport({ width: 360, height: 800, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
      for (const window of [kLL, kMenu]) {
        if (window === kMenu) await tap(`#${kLL}-cmdBackMainPage`);
        await page.waitForSelector(`#${window}.front`);
        await same(`${window} at 360 px: no sideways scrolling`, await page.evaluate(() => document.documentElement.scrollWidth), 360);
      }
      await page.setViewport({ width: 1280, height: 800 });
    },

    // Last: the network goes away for good. Stopping the server takes it away in both
    // browsers; Chromium is also told it is offline. Installability is Chromium's (CDP) alone.
    async 'installed and offline'() {
      await fresh();
      if (chromium) {
        const cdp = await page.createCDPSession();
        await same('no installability errors', (await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
        await cdp.detach();
      }
      // Installed: the page is the worker's, the one it registered (for the picture it shows,
      // which an earlier page at another density did not), and none is still filling the cache.
      const workers = () => page.evaluate(async () => {
        const registration = await navigator.serviceWorker?.getRegistration();
        const picture = document.querySelector('.window .client img').currentSrc.split('/').at(-1);
        return { controller: navigator.serviceWorker?.controller?.scriptURL ?? null, picture,
                 pending: registration?.installing?.scriptURL ?? registration?.waiting?.scriptURL ?? null };
      });
      for (const until = Date.now() + 20000; ;) {
        const seen = await workers();
        if (seen.controller?.endsWith(encodeURIComponent(seen.picture)) && !seen.pending) break;
        if (Date.now() > until) throw new Error(`not installed: ${JSON.stringify(seen)}`);
        await sleep(100);
      }
      await site.close();
      if (chromium) await page.setOfflineMode(true);
      await fresh();
      await open(kLL);
      await solveAfresh(kLL, ['100', '400', '0.8']);
      await sees('with no network, a reload opens the page and calculates', { front: kLL, values: { txtAmps: '180.4' } });
    },
  };

  try {
    page = await browser.newPage();
    page.on('pageerror', (error) => console.log(`  ${browserName} page error: ${error.message}`));
    await page.setViewport({ width: 1280, height: 800 });
    if (chromium) {
      await browser.defaultBrowserContext().overridePermissions(new URL(site.url).origin,
        ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    }
    for (const [name, group] of Object.entries(groups)) {
      if (process.env.ONLY && !process.env.ONLY.split(',').some((part) => name.includes(part))) continue;
      try {
        await group();
      } catch (error) {
        await check(`${name}: ${error.message.split('\n')[0]}`, false);
      }
    }
  } finally {
    await browser.close();
    await site.close();
  }
}

for (const browser of kBrowsers) {
  try {
    await run(browser);
  } catch (error) {
    ++failed;
    console.log(`FAIL ${browser.name}: ${error.stack}`);
  }
}
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
