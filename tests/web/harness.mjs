// SPDX-License-Identifier: MIT
// What the browser tests share: the built site served over local HTTP,
// Debian's chromium driven by Playwright, the sample logs, and what
// kestrum-convert makes of them.
//
// Environment: KESTRUM_WEB_SITE (the built site, required), KESTRUM_CONVERT
// (kestrum-convert built with the same SOURCE_DATE_EPOCH), KESTRUM_WEB_OUT
// (where screenshots go), CHROMIUM (default /usr/bin/chromium).
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, readdirSync,
  writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { startServer } from './static_server.mjs';

const here = dirname(fileURLToPath(import.meta.url));
export const examples = resolve(here, '../../examples');

function required(name) {
  const value = process.env[name];
  if (!value) throw new Error(`${name} is not set (see tools/web-ci.sh)`);
  return resolve(value);
}

export const site = required('KESTRUM_WEB_SITE');
export const outDir = resolve(process.env.KESTRUM_WEB_OUT ?? tmpdir());
mkdirSync(outDir, { recursive: true });

export function scratchDir(prefix) {
  return mkdtempSync(join(tmpdir(), `kestrum-web-${prefix}-`));
}

// The sample logs: [{ name, bytes }], sorted by name.
export function sampleLogs() {
  return readdirSync(examples).filter((name) => name.endsWith('.bin')).sort()
    .map((name) => ({ name, bytes: readFileSync(join(examples, name)) }));
}

export function sampleLog(name) {
  return { name, bytes: readFileSync(join(examples, name)) };
}

// What kestrum-convert writes for `logs` with command-line `flags`:
// a Map from log name to the ADIF bytes.
export function convertWithCli(logs, flags) {
  const program = required('KESTRUM_CONVERT');
  const dir = scratchDir('cli');
  const inputs = logs.map((log, index) => {
    // Numbered names: the ADIF bytes do not depend on the log's name.
    const path = join(dir, `${index}.bin`);
    writeFileSync(path, log.bytes);
    return path;
  });
  execFileSync(program, [...flags, ...inputs], { stdio: 'pipe' });
  return new Map(logs.map((log, index) =>
    [log.name, readFileSync(join(dir, `${index}.adi`))]));
}

// Debian's chromium, headless, with nothing of its own going to the
// network; Playwright gives it a fresh profile.
export async function launchBrowser() {
  const args = [
    '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--no-first-run', '--disable-gpu', '--disable-quic',
  ];
  if (process.getuid?.() === 0) args.push('--no-sandbox');
  return chromium.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args,
  });
}

// The served site and a browser for one test file.
export async function startSite(options = {}) {
  const server = await startServer(site, options);
  const browser = await launchBrowser();
  return {
    server,
    browser,
    // Closes the tabs that openPage opened.
    async closePages() {
      await Promise.all(browser.contexts().map((context) => context.close()));
    },
    async close() {
      await browser.close();
      await server.close();
    },
  };
}

// A fresh tab on the page, once its engine is ready. `requestsAfterLoad()`
// lists what the tab and the server saw requested since then, except the
// downloads made from memory (blob: URLs).
export async function openPage({ server, browser }, contextOptions = {}) {
  const context = await browser.newContext({
    acceptDownloads: true, ...contextOptions });
  const page = await context.newPage();
  const seen = [];
  page.on('request', (request) => seen.push(request.url()));
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  // Playwright takes over file choosers only once a listener is there; one
  // from the start spares the later waitForEvent a race with the key press.
  page.on('filechooser', () => {});
  await page.goto(server.url);
  await page.waitForSelector('html[data-engine="ready"]');
  const seenAtLoad = seen.length;
  const servedAtLoad = server.requests.length;
  return {
    page,
    context,
    errors,
    requestsAfterLoad: () => [
      ...seen.slice(seenAtLoad).filter((url) => !url.startsWith('blob:')),
      ...server.requests.slice(servedAtLoad),
    ],
  };
}

// Files for a file input or a drop: Playwright's { name, mimeType, buffer }.
export function filePayloads(logs) {
  return logs.map((log) => ({
    name: log.name, mimeType: 'application/octet-stream', buffer: log.bytes }));
}

// Waits until the page has converted everything it was given.
export async function settled(page) {
  await page.waitForSelector('#results:not([aria-busy])');
}

// Reads what a click on `locator` downloads: { name, bytes }.
export async function download(page, locator) {
  const [file] = await Promise.all([
    page.waitForEvent('download'), locator.click()]);
  return { name: file.suggestedFilename(), bytes: readFileSync(await file.path()) };
}
