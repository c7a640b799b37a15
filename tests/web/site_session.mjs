// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The folder a school hosts, as a static web server on 127.0.0.1 serves it under a strict
// policy and a cache lifetime of ten minutes, in Debian's Chromium or Firefox ESR
// (BROWSER=firefox): copies side by side, offline with the server stopped, a cache the browser
// partly dropped, a file missing, a new build; and the same page opened from disk.
//   node site_session.mjs SITE_DIR MAKE_PAGE SOURCES ICON_URI_FILE ICON_LIST PAGE
// Closes with "N passed, N failed".
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join } from 'node:path';
import { browser, chromium, expect, expectAnswers, open, problems, runCases, watch } from './session.mjs';

const [siteDir, makePage, sources, iconUriFile, iconList, pagePath] = process.argv.slice(2);
const policy = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; img-src 'self' data:; " +
    "manifest-src 'self'; worker-src 'self'; connect-src 'self'; base-uri 'none'; form-action 'none'; " +
    "object-src 'none'; frame-ancestors 'none'";

// Folders served under paths of one origin, and any file named *.foreign; those under a path of
// `fresh` may be kept ten minutes in the browser's HTTP cache, the others not at all, so that
// offline only the worker answers for them. `stop` ends the server and every connection, so
// that nothing answers but the browser's caches, and `start` brings it back on the same port.
class Host {
    folders = {};
    fresh = new Set();
    requests = [];

    async start() {
        const types = { '.html': 'text/html', '.css': 'text/css', '.js': 'text/javascript', '.wasm': 'application/wasm',
            '.png': 'image/png', '.webmanifest': 'application/manifest+json' };
        this.server = createServer((request, response) => {
            const path = new URL(request.url, 'http://host').pathname;
            this.requests.push(`${request.method} ${path}`);
            if (path.endsWith('.foreign')) {
                response.end('not the app\'s');
                return;
            }
            const [prefix, folder] = Object.entries(this.folders).find(([at]) => path.startsWith(at)) ?? [];
            try {
                const body = readFileSync(join(folder, path.slice(prefix.length).replace(/(^|\/)$/, '$1index.html')));
                response.writeHead(200, { 'content-type': types[extname(path)] ?? 'text/html',
                    'cache-control': this.fresh.has(prefix) ? 'max-age=600' : 'no-store', 'content-security-policy': policy,
                    'x-content-type-options': 'nosniff', 'x-frame-options': 'DENY' });
                response.end(body);
            } catch {
                response.writeHead(404);
                response.end();
            }
        });
        await new Promise((resolve) => this.server.listen(this.port ?? 0, '127.0.0.1', resolve));
        this.port = this.server.address().port;
    }

    async stop() {
        this.server.closeAllConnections();
        await new Promise((resolve) => this.server.close(resolve));
    }

    url(path) {
        return `http://127.0.0.1:${this.port}${path}`;
    }
}

// A build's name and files, as its service worker lists them.
function workerOf(folder) {
    const worker = readFileSync(join(folder, 'service-worker.js'), 'utf8');
    return { build: /const build="([^"]+)"/.exec(worker)[1], files: Object.keys(JSON.parse(/const files=(\{[^}]*\})/.exec(worker)[1])) };
}

// What the browser keeps for the folder at `scope`: its caches' names and the files in each.
function kept(page, scope) {
    return page.evaluate(async (prefix) => Promise.all((await caches.keys()).filter((name) => name.startsWith(prefix))
        .map(async (name) => [name, (await (await caches.open(name)).keys()).map((r) => r.url).sort()])), `vazrazhdane ${scope} `);
}

async function visit(page, url, what) {
    await page.goto(url);
    await expectAnswers(page, what);
}

const work = mkdtempSync(join(tmpdir(), 'site-'));
const { build, files } = workerOf(siteDir);
const version = build.split('-')[0];

// Another build at the same version, its page telling itself apart by its icon's address, and
// one with a file missing.
function otherBuild(name, missing) {
    const folder = join(work, name);
    cpSync(siteDir, folder, { recursive: true });
    const iconUri = join(work, `${name}.uri`);
    writeFileSync(iconUri, `${readFileSync(iconUriFile, 'utf8')}#${name}`);
    execFileSync('node', [makePage, 'site', sources, iconUri, version, iconList, pagePath, folder]);
    if (missing) rmSync(join(folder, missing));
    return folder;
}

const cases = {
    async 'the hosted page opened from disk is the single page: no manifest, no worker, no error'() {
        const page = await open(join(siteDir, 'index.html'));
        await expectAnswers(page, 'from disk');
        expect(await page.evaluate(() => !document.querySelector('link[rel=manifest]') && !navigator.serviceWorker?.controller),
            'from disk: a manifest or a worker');
    },

    async 'the hosted folder: copies side by side, offline, healed, updated behind a ten-minute cache'() {
        const host = new Host();
        const next = otherBuild('next');
        const broken = otherBuild('broken', 'icon-512.png');
        expect(workerOf(next).build !== build, `a rebuilt page at the same version keeps its build name ${build}`);
        Object.assign(host.folders, { '/a/': siteDir, '/b/': next, '/c/': siteDir, '/d/': broken, '/e/': siteDir });
        host.fresh.add('/e/');
        await host.start();
        const page = await (await browser()).newPage();
        await watch(page, new RegExp(`^(${host.url('/')}|data:)`));
        // The console's word that the build in `folder`, missing a file, was not kept, taken out
        // of the problems: waited for on a first visit, whose install starts once the page runs.
        const notKept = async (folder, { wait = false } = {}) => {
            const said = new RegExp(`не е запазена.*${folder}icon-512\\.png: 404`);
            for (let waited = 0; wait && waited < 100 && !problems.some((problem) => said.test(problem)); ++waited) {
                await new Promise((resolve) => setTimeout(resolve, 100));
            }
            const count = problems.length;
            problems.splice(0, count, ...problems.filter((problem) => !said.test(problem)));
            return count - problems.length;
        };
        try {
            for (const folder of ['/a/', '/b/', '/c/', '/d/', '/e/']) {
                await visit(page, host.url(folder), `online ${folder}`);
                if (folder !== '/d/') await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
            }
            expect(await notKept('/d/', { wait: true }) === 1, 'the install that missed a file said nothing in the page\'s console');
            expect((await kept(page, host.url('/d/'))).length === 0, 'a failed install left a cache');
            const everyFile = (folder) => files.map((file) => new URL(file, host.url(folder)).href).sort();
            for (const folder of ['/a/', '/b/', '/c/', '/e/']) {
                const caches = await kept(page, host.url(folder));
                const wanted = `vazrazhdane ${host.url(folder)} ${workerOf(host.folders[folder]).build}`;
                expect(caches.length === 1 && caches[0][0] === wanted, `${folder}: caches ${JSON.stringify(caches)}`);
                expect(JSON.stringify(caches[0][1]) === JSON.stringify(everyFile(folder)), `${folder} keeps ${caches[0][1]}`);
            }
            if (chromium) {
                const cdp = await page.createCDPSession();
                await page.goto(host.url('/a/'));
                await page.waitForSelector('link[rel=manifest]');
                const manifest = await cdp.send('Page.getAppManifest');
                expect(manifest.errors.length === 0, `manifest: ${JSON.stringify(manifest.errors)}`);
                const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
                expect(installabilityErrors.length === 0, `installability: ${JSON.stringify(installabilityErrors)}`);
            }

            // Foreign requests reach the server, and nothing of them is kept.
            await page.goto(host.url('/a/'));
            host.requests.length = 0;
            await page.evaluate(async () => {
                await fetch('other.foreign');
                await fetch('manifest.webmanifest', { method: 'POST' });
                await fetch('/elsewhere.foreign');
            });
            const reached = host.requests.filter((request) => !request.endsWith('/service-worker.js')).join(', ');
            expect(reached === 'GET /a/other.foreign, POST /a/manifest.webmanifest, GET /elsewhere.foreign', `reached the server: ${reached}`);
            expect((await kept(page, host.url('/a/')))[0][1].length === files.length, 'a foreign request was kept');

            // The browser drops two files of one copy; the next visit online puts them back.
            await page.evaluate(async (prefix) => {
                const cache = await caches.open((await caches.keys()).find((name) => name.startsWith(prefix)));
                await cache.delete(new URL('./', prefix.split(' ')[1]).href);
                await cache.delete(new URL('icon-192.png', prefix.split(' ')[1]).href);
            }, `vazrazhdane ${host.url('/c/')} `);
            await visit(page, host.url('/c/'), 'healing /c/');
            await page.waitForFunction(async (prefix, count) => {
                const name = (await caches.keys()).find((key) => key.startsWith(prefix));
                return (await (await caches.open(name)).keys()).length === count;
            }, { timeout: 10000 }, `vazrazhdane ${host.url('/c/')} `, files.length).catch(() => {});
            expect((await kept(page, host.url('/c/')))[0][1].length === files.length, '/c/ was not healed');

            await host.stop();
            for (const path of ['/a/', '/c/', '/a/index.html/', '/a/sub/']) {
                await visit(page, host.url(path), `offline ${path}`);
            }
            expect(page.url() === host.url('/a/'), `offline, a navigation in the folder ended at ${page.url()}`);

            // A new build in /e/, where the browser's HTTP cache still holds the old, and a build
            // with a file missing in /c/.
            Object.assign(host.folders, { '/e/': next, '/c/': broken });
            await host.start();
            const icon = () => page.evaluate(() => document.querySelector('link[rel=icon]').href.split('#')[1] ?? '');
            await visit(page, host.url('/e/'), 'the first visit after the new build');
            await page.waitForFunction(async (prefix, name) => {
                const names = (await caches.keys()).filter((key) => key.startsWith(prefix));
                return names.length === 1 && names[0] === name;
            }, { timeout: 20000 }, `vazrazhdane ${host.url('/e/')} `, `vazrazhdane ${host.url('/e/')} ${workerOf(next).build}`)
                .catch(() => {});
            await visit(page, host.url('/e/'), 'the second visit after the new build');
            expect(await icon() === 'next', `the second visit after the new build shows build "${await icon()}", ` +
                `caches ${JSON.stringify(await kept(page, host.url('/e/')))}`);
            await visit(page, host.url('/c/'), 'the visit after a broken build');
            // The browser may try it more than once, and tells the pages open at the time why it
            // failed: done trying before the server stops.
            for (let idle = 0; idle < 3; await new Promise((resolve) => setTimeout(resolve, 300))) {
                idle = await page.evaluate(async () => !(await navigator.serviceWorker.getRegistration()).installing)
                    ? idle + 1 : 0;
            }
            await notKept('/c/');
            await host.stop();
            for (const path of ['/a/', '/b/', '/c/']) await visit(page, host.url(path), `offline again ${path}`);
            expect(await icon() === '', `after a broken build, /c/ shows build "${await icon()}"`);
        } finally {
            await host.stop().catch(() => {});
            await page.close();
        }
    },
};

try {
    await runCases(cases);
} finally {
    rmSync(work, { recursive: true, force: true });
}
