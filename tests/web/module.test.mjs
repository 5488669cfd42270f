// SPDX-License-Identifier: MIT
// kestrum.js in Node, without a browser: the file-name rule, code page 1252
// both ways, and what convert() takes.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { before, describe, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { sampleLog, site } from './harness.mjs';

const kestrum = await import(pathToFileURL(join(site, 'kestrum.js')));
const { adifNameOf, convert, decodeCp1252, encodeCp1252 } = kestrum;

describe('kestrum.js', () => {
  before(() => kestrum.loadEngine({
    wasmBinary: readFileSync(join(site, 'kestrum-engine.wasm')) }));

  test('names the ADIF file as kestrum-convert does', () => {
    const cases = [
      ['contest.bin', 'contest.adi'], ['contest.BIN.old', 'contest.BIN.adi'],
      ['contest', 'contest.adi'], ['.bin', '.bin.adi'],
      ['contest.', 'contest.adi'], ['x.adi', 'x.adi'],
      ['Köln – 2009.bin', 'Köln – 2009.adi'],
    ];
    for (const [log, adif] of cases) assert.equal(adifNameOf(log), adif, log);
  });

  test('reads and writes code page 1252', () => {
    const all = Uint8Array.from({ length: 256 }, (_, byte) => byte);
    const text = decodeCp1252(all);
    assert.equal(text.length, 256);
    assert.equal(text.slice(0x80, 0xa0),
      '€?‚ƒ„…†‡ˆ‰Š‹Œ?Ž??‘’“”•–—˜™š›œ?žŸ', 'undefined bytes read as ?');
    const defined = all.filter((byte) =>
      ![0, 0x81, 0x8d, 0x8f, 0x90, 0x9d].includes(byte));
    assert.deepEqual(encodeCp1252(decodeCp1252(defined)), defined);
    assert.deepEqual([...encodeCp1252('Ωa\0ö')], [0x3f, 0x61, 0x3f, 0xf6],
      'what the code page lacks, and NUL, become ?');
  });

  test('takes bytes in either form, and the own contest ID first',
    async () => {
      const log = sampleLog('cqp-9xx.bin').bytes;
      const plain = await convert(new Uint8Array(log));
      assert.equal(plain.status, 'converted');
      assert.equal(plain.adifName, 'log.adi', 'the default name');
      const buffer = log.buffer.slice(log.byteOffset,
        log.byteOffset + log.length);
      assert.deepEqual((await convert(buffer)).adif, plain.adif);
      await assert.rejects(convert('not bytes'), TypeError);

      const own = await convert(new Uint8Array(log), {
        contestId: true, contestIdText: 'MY-TEST' });
      assert.match(Buffer.from(own.adif).toString('latin1'),
        /<CONTEST_ID:7>MY-TEST /);
    });
});
