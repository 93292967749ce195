// The site's service worker: it keeps the whole site after the first visit, so the page loads
// and calculates with no network. web/build-site writes in the cache's name and the list of
// files, both taken from the site's content, so each new build fills a cache of its own and
// clears the old one when it takes over.
//
// Every address is resolved against the worker's own location, the site's folder, so the site
// works from any folder of any static host.

const CACHE_NAME = "__CACHE_NAME__";
const ASSETS = __ASSETS__;

const here = (path) => new URL(path, self.location).href;
const entryPage = here('./');

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE_NAME);
    // Checked with the host, not taken from the browser's HTTP cache unasked: a file kept there
    // from an older build must not go under this build's name. The files the page has just
    // loaded come back as "not modified", so they are not downloaded twice.
    await cache.addAll(ASSETS.map((path) => new Request(here(path), { cache: 'no-cache' })));
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
      // Offline, an address the site does not list (a query string, say) still opens the page.
      if (request.mode === 'navigate') {
        const page = await cache.match(entryPage);
        if (page) return page;
      }
      throw error;
    }
  })());
});
