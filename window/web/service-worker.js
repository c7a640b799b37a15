// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the folder a school hosts for use offline. The site's build writes before this script
//   const build = 'VERSION-DIGEST';   this build, told from every other by its files' bytes
//   const files = { 'index.html': 'SHA-256 in hex', ... };   this build's files and digests
// Each copy of the folder on a server keeps caches of its own, named for its scope and build.
// A build's cache holds exactly that build's files, fetched from the server rather than from
// the browser's HTTP cache and checked against their digests, so that a page never comes with
// another build's files; what the browser drops from it is put back on the next visit online.
// Only GET requests for these files are answered, and navigations inside the folder while
// offline; everything else goes to the network untouched, and is never kept.
/* global build, files */
'use strict';

const scope = self.registration.scope;
const cachePrefix = `vazrazhdane ${scope} `;
const cacheName = cachePrefix + build;
const digests = new Map(Object.entries(files).map(([file, digest]) => [new URL(file, scope).href, digest]));

// The server holds another build's file, or none.
class OtherBuild extends Error {}

function hex(bytes) {
    return [...new Uint8Array(bytes)].map((byte) => byte.toString(16).padStart(2, '0')).join('');
}

// This build's file at `url` from the server; rejects with OtherBuild where the server does not
// have it, with a TypeError offline.
async function fetchOwn(url) {
    const response = await fetch(url, { cache: 'reload' });
    if (!response.ok) throw new OtherBuild(`${url}: ${response.status} ${response.statusText}`);
    const bytes = await response.arrayBuffer();
    if (hex(await crypto.subtle.digest('SHA-256', bytes)) !== digests.get(url)) {
        throw new OtherBuild(`${url}: a file of another build`);
    }
    // As served, but never marked as redirected, which a navigation would refuse.
    return new Response(bytes, response);
}

async function put(cache, url) {
    const response = await fetchOwn(url);
    await cache.put(url, response.clone());
    return response;
}

// Puts back the files the browser dropped from the cache, where the server still has them.
async function heal(cache) {
    const kept = new Set((await cache.keys()).map((request) => request.url));
    const missing = [...digests.keys()].filter((url) => !kept.has(url));
    const failures = await Promise.all(missing.map((url) => put(cache, url).then(() => null, (error) => error)));
    const otherBuild = failures.find((failure) => failure instanceof OtherBuild);
    if (otherBuild) throw otherBuild;
}

// Tells the pages, whose console a teacher reads, why this build could not be kept.
async function tell(problem) {
    for (const client of await self.clients.matchAll({ includeUncontrolled: true, type: 'window' })) {
        client.postMessage({ notKept: problem });
    }
}

// All or nothing: a cache is filled only once every file has come, so that a failed install
// leaves none behind, and the build installed before, if any, goes on working.
async function install() {
    let responses;
    try {
        responses = await Promise.all([...digests.keys()].map((url) =>
            fetchOwn(url).catch((error) => {
                throw error instanceof OtherBuild ? error : new Error(`${url}: ${error.message}`);
            })));
    } catch (error) {
        await tell(error.message);
        throw error;
    }
    const cache = await caches.open(cacheName);
    await Promise.all([...digests.keys()].map((url, index) => cache.put(url, responses[index])));
    await self.skipWaiting();
}

// Removes this copy's caches of other builds, and no other copy's.
async function activate() {
    for (const name of await caches.keys()) {
        if (name.startsWith(cachePrefix) && name !== cacheName) await caches.delete(name);
    }
    await self.clients.claim();
}

async function answer(url, request) {
    const cache = await caches.open(cacheName);
    try {
        // The page comes only with every file of its build.
        if (request.mode === 'navigate') await heal(cache);
        return (await cache.match(url)) || (await put(cache, url));
    } catch (error) {
        if (!(error instanceof OtherBuild)) throw error;
        // Another build is on the server, so this one is over: the browser installs the next
        // worker, and until then the server answers.
        await caches.delete(cacheName);
        return fetch(request);
    }
}

// A navigation inside the folder to an address that is none of its files: the server's answer,
// or offline the folder's page, at the folder's own address so that its files are found.
function navigate(request) {
    return fetch(request).catch(() => Response.redirect(scope));
}

self.addEventListener('install', (event) => event.waitUntil(install()));
self.addEventListener('activate', (event) => event.waitUntil(activate()));
self.addEventListener('fetch', (event) => {
    const { request } = event;
    if (request.method !== 'GET') return;
    const url = new URL(request.url);
    url.search = '';
    url.hash = '';
    if (digests.has(url.href)) {
        event.respondWith(answer(url.href, request));
    } else if (request.mode === 'navigate' && url.href.startsWith(scope)) {
        event.respondWith(navigate(request));
    }
});
