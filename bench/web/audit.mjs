// The benchmark of the site beside its floor, a 1 KB hand-written HTML form (floor.html), both
// served as a host that compresses serves them (gzip -9), in one run of Chromium:
//   - a first visit on a phone: the compressed bytes sent, per file, for the page itself and
//     for its service worker's offline copy;
//   - Lighthouse's default mobile profile (simulated slow 4G, 4x slower CPU), three runs each;
//   - on a desk, from localhost, the time from navigation to the complete main menu (every
//     control built, its picture decoded and its fonts loaded), against the floor's load event
//     and fonts: the median of fifteen first visits each; and when the site can calculate (the
//     page says it is ready: the calculators' code, which comes after the menu, has arrived).
//   node bench/web/audit.mjs SITE_DIR
import puppeteer from 'puppeteer-core';
import lighthouse from 'lighthouse';
import { fileURLToPath } from 'node:url';
import { serve } from '../../tests/web/serve.mjs';

const [siteDir] = process.argv.slice(2);
if (!siteDir) {
  console.error('usage: node bench/web/audit.mjs SITE_DIR');
  process.exit(2);
}
const kRuns = 15, kLighthouseRuns = 3;
const kChromium = '/usr/bin/chromium';
// Each new browser context also opens the browser's own omnibox popup, a page of some seventy
// modules in a renderer of its own, at the moment the page under test loads: on two cores that
// added about two fifths to both pages' desk times and most of their spread.
const kArgs = ['--disable-features=WebUIOmniboxPopup,WebUIOmniboxAimPopup,PreloadTopChromeWebUI',
               ...(process.getuid?.() === 0 ? ['--no-sandbox'] : [])];
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;

const siteSent = [], floorSent = [];
const site = await serve(siteDir, { gzip: true, noCache: false, sent: siteSent });
const floor = await serve(fileURLToPath(new URL('.', import.meta.url)), { gzip: true, noCache: false, sent: floorSent });
const pages = { site: site.url, floor: `${floor.url}floor.html` };
// When each page is complete, from its navigation: the site's main menu (drawn in the page, so
// its picture is there once the rest is), the floor's load; and when each is ready, which for
// the site is when it can calculate and for the floor the same moment.
const kComplete = () => {
  const at = (moment) => { window[moment] ??= performance.now(); };
  if (location.pathname.endsWith('floor.html')) {
    addEventListener('load', () => document.fonts.ready.then(() => { at('completeAt'); at('readyAt'); }));
    return;
  }
  const poll = () => {
    const img = document.querySelector('.window .client img');
    if (img?.complete && img.naturalWidth > 0) document.fonts.ready.then(() => at('completeAt'));
    if (document.documentElement?.dataset.ready === 'true') at('readyAt');
    if (window.readyAt === undefined) setTimeout(poll, 2);
  };
  poll();
};

const browser = await puppeteer.launch({ browser: 'chrome', executablePath: kChromium, headless: true, args: kArgs });
const results = { site: {}, floor: {} };
try {
  // A first visit on a phone, until the network has been quiet for a second: bodies as sent.
  for (const [name, url] of Object.entries(pages)) {
    const sent = name === 'site' ? siteSent : floorSent;
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 412, height: 915, deviceScaleFactor: 2.625, isMobile: true, hasTouch: true });
    sent.length = 0;
    await page.goto(url, { waitUntil: 'load' });
    await page.waitForFunction(() => !document.querySelector('.window') || document.documentElement.dataset.ready === 'true');
    for (let quiet = 0, seen = -1; quiet < 10; quiet = seen === sent.length ? quiet + 1 : 0, seen = sent.length) await sleep(100);
    // The service worker's script, and what it fetches (it is their referrer), are the offline copy.
    const workers = new Set(sent.filter((f) => f.headers['service-worker'] === 'script').map((f) => `${url}${f.path}`));
    results[name].files = sent.map(({ path, bytes, headers }) =>
      ({ path, bytes, worker: workers.has(`${url}${path}`) || workers.has(headers.referer) }));
    await context.close();
  }

  // Lighthouse in its default (mobile) profile, each run in a fresh tab, the pages in turn; the
  // median of each number over the runs, as its throttling is simulated from what this machine does.
  const port = Number(new URL(browser.wsEndpoint()).port);
  const runs = { site: [], floor: [] };
  for (let run = 0; run < kLighthouseRuns; ++run) {
    for (const [name, url] of Object.entries(pages)) {
      const { lhr } = await lighthouse(url, { port, output: 'json', logLevel: 'error',
        onlyCategories: ['performance', 'accessibility', 'best-practices', 'seo'] });
      runs[name].push(lhr);
    }
  }
  for (const [name, lhrs] of Object.entries(runs)) {
    const each = (value) => median(lhrs.map(value));
    results[name].scores = Object.fromEntries(Object.keys(lhrs[0].categories).map((id) => [id, each((l) => Math.round(l.categories[id].score * 100))]));
    results[name].lcp = each((l) => l.audits['largest-contentful-paint'].numericValue);
    results[name].tbt = each((l) => l.audits['total-blocking-time'].numericValue);
    results[name].failing = [...new Set(lhrs.flatMap((l) => Object.values(l.audits).filter((a) => a.score !== null && a.score < 1 &&
      !['informative', 'manual', 'notApplicable'].includes(a.scoreDisplayMode)).map((a) => a.id)))];
    results[name].errored = [...new Set(lhrs.flatMap((l) => Object.values(l.audits).filter((a) => a.scoreDisplayMode === 'error').map((a) => a.id)))];
    results[name].lighthouse = lhrs[0].lighthouseVersion;
    results[name].benchmarkIndex = each((l) => Math.round(l.environment.benchmarkIndex));
  }

  // The desk: first visits from localhost, each in a fresh context, the two pages in turn.
  for (let run = 0; run < kRuns; ++run) {
    for (const [name, url] of Object.entries(pages)) {
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      await page.setViewport({ width: 1280, height: 800 });
      await page.evaluateOnNewDocument(kComplete);
      await page.goto(url);
      await page.waitForFunction(() => window.completeAt !== undefined && window.readyAt !== undefined, { timeout: 20000 });
      const { completeAt, readyAt } = await page.evaluate(() => ({ completeAt: window.completeAt, readyAt: window.readyAt }));
      (results[name].desk ??= []).push(completeAt);
      (results[name].ready ??= []).push(readyAt);
      await context.close();
    }
  }
  results.browser = await browser.version();
} finally {
  await browser.close();
  await site.close();
  await floor.close();
}

// The table.
const row = (label, siteValue, floorValue, target = '', met) =>
  console.log(`${label.padEnd(50)}${String(siteValue).padStart(12)}${String(floorValue).padStart(12)}   ${target}${met === undefined ? '' : met ? '  met' : '  MISSED'}`);
const bytes = (name, worker) => results[name].files.filter((f) => worker || !f.worker).reduce((sum, f) => sum + f.bytes, 0);
console.log(`Quillmark's web page against a 1 KB HTML form: ${results.browser}, gzip -9 on the way; Lighthouse ` +
            `${results.site.lighthouse}, medians of ${kLighthouseRuns} runs (this machine's benchmark index ${results.site.benchmarkIndex})`);
row('', 'site', 'floor', 'target');
row('first visit, phone (2x): the page itself', kb(bytes('site', false)), kb(bytes('floor', false)), '≤ 150 KB',
    bytes('site', false) <= 150 * 1024);
row('  and its service worker\'s offline copy', kb(bytes('site', true)), kb(bytes('floor', true)), '≤ 150 KB', bytes('site', true) <= 150 * 1024);
for (const [id, target] of [['performance', 98], ['accessibility', 100], ['best-practices', 100], ['seo', 100]]) {
  row(`Lighthouse mobile: ${id}`, results.site.scores[id], results.floor.scores[id], target === 100 ? '100' : `≥ ${target}`,
      results.site.scores[id] >= target);
}
row('Lighthouse mobile: largest contentful paint', `${(results.site.lcp / 1000).toFixed(2)} s`, `${(results.floor.lcp / 1000).toFixed(2)} s`, '≤ 1.5 s', results.site.lcp <= 1500);
row('Lighthouse mobile: total blocking time', `${Math.round(results.site.tbt)} ms`, `${Math.round(results.floor.tbt)} ms`, '≤ 50 ms', results.site.tbt <= 50);
const [deskSite, deskFloor] = [median(results.site.desk), median(results.floor.desk)];
row(`desk, localhost: complete (median of ${kRuns})`, `${Math.round(deskSite)} ms`, `${Math.round(deskFloor)} ms`,
    `≤ 1.5x the floor: ${(deskSite / deskFloor).toFixed(2)}x`, deskSite <= 1.5 * deskFloor);
console.log(`  runs: site ${results.site.desk.map(Math.round).join(', ')} ms; floor ${results.floor.desk.map(Math.round).join(', ')} ms`);
console.log(`  the site ready to calculate: ${Math.round(median(results.site.ready))} ms (runs ${results.site.ready.map(Math.round).join(', ')})`);
for (const name of ['site', 'floor']) {
  if (results[name].failing.length) console.log(`Lighthouse audits the ${name} did not pass in some run: ${results[name].failing.join(', ')}`);
  if (results[name].errored.length) console.log(`Lighthouse audits that could not run on the ${name}: ${results[name].errored.join(', ')}`);
}
console.log('\nfirst visit of the site on a phone, per file: compressed bytes as sent, how often, and in all');
const perFile = new Map();
for (const { path, bytes: size, worker } of results.site.files) {
  const entry = perFile.get(path) ?? { size: 0, times: 0, page: false };
  perFile.set(path, { size: entry.size + size, times: entry.times + 1, page: entry.page || !worker });
}
for (const [path, { size, times, page }] of [...perFile].sort((a, b) => b[1].size - a[1].size)) {
  console.log(`  ${(path === '.' ? './' : path).padEnd(44)}${kb(size / times).padStart(10)} x${times}${kb(size).padStart(10)}` +
              `${page ? '' : '   for the offline copy only'}`);
}
