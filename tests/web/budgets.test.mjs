// SPDX-License-Identifier: MIT
// The budgets of the browser front end: the whole site at most 100 KB
// gzipped, and a 100,000-contact log converted in chromium in at most three
// times the native engine's time, measured side by side in this run.
//
// The size is checked. The time is measured and reported, but fails the run
// only with KESTRUM_WEB_ENFORCE_TIMING=1: on a shared, busy machine one
// conversion can take twice its time, and a test that fails by chance
// teaches nothing.
//
// Environment besides the harness's: KESTRUM_WEB_NATIVE_TIMING, the native
// web_native_timing program, which writes the log and times the engine.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { gzipSync } from 'node:zlib';
import { openPage, scratchDir, site, startSite } from './harness.mjs';

const SITE_BUDGET = 100 * 1000;  // bytes, gzipped
const CONTACTS = 100000;
const RUNS = 5;
const SLOWDOWN_BUDGET = 3;

test('the whole site is at most 100 KB gzipped', (t) => {
  let total = 0;
  const sizes = [];
  for (const name of readdirSync(site).sort()) {
    const path = join(site, name);
    assert.ok(statSync(path).isFile(), `${name}: the site is flat`);
    const gzipped = gzipSync(readFileSync(path), { level: 9 }).length;
    sizes.push(`${name} ${gzipped}`);
    total += gzipped;
  }
  t.diagnostic(`gzipped: ${sizes.join(', ')}; total ${total} bytes`);
  assert.ok(total <= SITE_BUDGET, `${total} bytes`);
});

// The native engine's fastest of RUNS conversions of `log` (which it
// writes first): { contacts, qsosWritten, adifBytes, ms }.
function timeNatively(log) {
  const program = process.env.KESTRUM_WEB_NATIVE_TIMING;
  if (!program) throw new Error('KESTRUM_WEB_NATIVE_TIMING is not set');
  return JSON.parse(execFileSync(resolve(program),
    [log, String(CONTACTS), String(RUNS)], { encoding: 'utf8' }));
}

// The times of RUNS conversions of the served log through kestrum.js.
async function timeInBrowser(page) {
  return page.evaluate(async (runs) => {
    const { convert } = await import('./kestrum.js');
    const bytes = new Uint8Array(
      await (await fetch('timing.bin')).arrayBuffer());
    const times = [];
    let result;
    for (let run = 0; run < runs; ++run) {
      const start = performance.now();
      result = await convert(bytes, { name: 'timing.bin' });
      times.push(performance.now() - start);
    }
    return { times, status: result.status,
      qsosWritten: result.qsosWritten, adifBytes: result.adif.length };
  }, RUNS);
}

describe('a 100,000-contact log', () => {
  let site;
  let log;
  before(async () => {
    log = join(scratchDir('timing'), 'timing.bin');
    site = await startSite({ extraFiles: { '/timing.bin': log } });
  });
  after(async () => { await site?.close(); });

  test('converts in chromium; time against native reported', async (t) => {
    const { page } = await openPage(site);
    // Side by side, fastest of RUNS each; on a busy machine a second round
    // may show what the first could not.
    let ratio = Infinity;
    for (let round = 1; round <= 2 && ratio > SLOWDOWN_BUDGET; ++round) {
      const native = timeNatively(log);
      const browser = await timeInBrowser(page);
      assert.equal(browser.status, 'converted');
      assert.equal(browser.qsosWritten, native.qsosWritten);
      assert.equal(browser.adifBytes, native.adifBytes);
      ratio = Math.min(...browser.times) / native.ms;
      t.diagnostic(`round ${round}: native ${native.ms.toFixed(1)} ms; ` +
        `chromium ${browser.times.map((ms) => ms.toFixed(1)).join(', ')} ms; ` +
        `fastest ${ratio.toFixed(2)}x native`);
    }
    if (process.env.KESTRUM_WEB_ENFORCE_TIMING === '1') {
      assert.ok(ratio <= SLOWDOWN_BUDGET, `${ratio.toFixed(2)}x native`);
    } else if (ratio > SLOWDOWN_BUDGET) {
      t.diagnostic(`over the budget of ${SLOWDOWN_BUDGET}x native ` +
        '(reported, not enforced)');
    }
  });
});
