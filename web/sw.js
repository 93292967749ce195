// The site's service worker: it keeps the whole site after the first visit, so the page loads
// and calculates with no network. web/build-site writes in the cache's name and the files with
// the SHA-256 of each, all taken from the site's content, so each new build fills a cache of
// its own and clears the old one when it takes over.
//
// Every address is resolved against the worker's own location, the site's folder, so the site
// works from any folder of any static host.

const CACHE_NAME = "__CACHE_NAME__";
const ASSETS = __ASSETS__;
// The menu's picture comes at one density or the other. The worker keeps the one the page
// shows, which the page names in the worker's address (sw.js?picture=...), and offline lets a
// kept one stand in for the other: the page draws either at the same size.
const PICTURES = ['images/distribution-board.webp', 'images/distribution-board@2x.webp'];
const shownPicture = new URL(self.location).searchParams.get('picture');

const here = (path) => new URL(path, self.location).href;
const entryPage = here('./');

async function sha256(buffer) {
  const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', buffer));
  return Array.from(digest, (byte) => byte.toString(16).padStart(2, '0')).join('');
}

// A file as this build has it. The browser's own HTTP cache holds what the page has just
// loaded, so that is tried first and nothing is downloaded twice; only a copy whose content is
// not this build's (one kept from an older build, say) is fetched again from the host.
async function thisBuilds(path) {
  for (const mode of ['force-cache', 'reload']) {
    const response = await fetch(here(path), { cache: mode });
    if (response.ok && (await sha256(await response.clone().arrayBuffer())) === ASSETS[path]) {
      return response;
    }
  }
  throw new Error(`${path}: the host does not serve this build's file`);
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE_NAME);
    const paths = Object.keys(ASSETS).filter(
      (path) => path !== 'index.html' && (!PICTURES.includes(path) || path === shownPicture));
    await Promise.all(paths.map(async (path) => {
      const response = await thisBuilds(path);
      // The page has two addresses, its folder's and its own name's, and is fetched once.
      if (path === './') await cache.put(here('index.html'), response.clone());
      await cache.put(here(path), response);
    }));
    // A new build takes over at once instead of waiting until every window of the old one is
    // closed, which an installed app may never be.
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    const names = await caches.keys();
    await Promise.all(names
      .filter((name) => name.startsWith('quillmark-') && name !== CACHE_NAME)
      .map((name) => caches.delete(name)));
    await self.clients.claim();
  })());
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith((async () => {
    const cache = await caches.open(CACHE_NAME);
    // A compressing host varies its answers by Accept-Encoding, which a browser's own requests
    // (a favicon's, say) need not send alike; the cached body is the same either way.
    const cached = await cache.match(request, { ignoreVary: true });
    if (cached) return cached;
    try {
      return await fetch(request);
    } catch (error) {
      // Offline, an address the site does not list (a query string, say) still opens the page,
      // and a picture the screen had not asked for before is drawn from the one it had.
      const standIn = request.mode === 'navigate' ? entryPage
        : PICTURES.some((path) => request.url === here(path)) ? (await Promise.all(
          PICTURES.map((path) => cache.match(here(path), { ignoreVary: true })))).find(Boolean) : null;
      const answer = typeof standIn === 'string' ? await cache.match(standIn, { ignoreVary: true }) : standIn;
      if (answer) return answer;
      throw error;
    }
  })());
});
