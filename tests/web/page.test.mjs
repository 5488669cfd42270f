// SPDX-License-Identifier: MIT
// The page in Debian's chromium, used as a person would: logs from the file
// chooser and by drag and drop, the options, the downloads and the zip, a
// refused log, names and texts beyond ASCII, the keyboard alone, a phone
// screen. Every ADIF file must equal kestrum-convert's byte for byte, and
// nothing may be requested once the page has loaded.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, afterEach, before, describe, test } from 'node:test';
import { unzipSync } from 'fflate';
import {
  convertWithCli, download, filePayloads, openPage, outDir, sampleLog,
  sampleLogs, settled, startSite,
} from './harness.mjs';

// The check boxes in the dialog's order: label, option, command-line flag
// that checking (or, for a box checked at start, clearing) it matches.
const OPTIONS = [
  { label: '6 Meters', name: 'sixMeters', flag: '--six-meters' },
  { label: 'Contest ID', name: 'contestId', flag: '--contest-id' },
  { label: 'ARRL SS', name: 'arrlSs', flag: '--arrl-ss' },
  { label: 'Operator', name: 'operator', flag: '--operator' },
  { label: 'Seconds', name: 'seconds', flag: '--no-seconds', checked: true },
  { label: 'VEXO', name: 'vexo', flag: '--vexo' },
  { label: 'WPX', name: 'wpx', flag: '--wpx' },
  { label: 'Frequency', name: 'frequency', flag: '--no-frequency',
    checked: true },
  { label: 'ADIF 3', name: 'adif3', flag: '--adif3' },
];

// The four option sets every sample is compared under.
const OPTION_SETS = [
  { title: 'defaults', boxes: {}, text: '', flags: [] },
  {
    title: 'every field option, no seconds',
    boxes: { sixMeters: true, contestId: true, arrlSs: true, operator: true,
      vexo: true, wpx: true, seconds: false },
    text: '',
    flags: ['--six-meters', '--contest-id', '--arrl-ss', '--operator',
      '--vexo', '--wpx', '--no-seconds'],
  },
  {
    title: 'ADIF 3',
    boxes: { adif3: true, vexo: true, contestId: true },
    text: '',
    flags: ['--adif3', '--vexo', '--contest-id'],
  },
  {
    title: 'own contest ID, no frequency',
    boxes: { frequency: false, operator: true },
    text: 'KESTRUM-TEST',
    flags: ['--no-frequency', '--operator', '--contest-id-text',
      'KESTRUM-TEST'],
  },
];

const notALog = { name: 'notes.bin', bytes: Buffer.from('73 de W1AW\n') };

// A 9.xx sample made into a DXpedition log of version 9.40 whose first
// contact is on band 10, the band "6 Meters" is about (the layout is in
// doc/log_format.md).
function dxpeditionLog() {
  const bytes = Buffer.from(sampleLog('vhf-9xx.bin').bytes);
  bytes.write('ZR 9.40\0', 32, 'latin1');
  bytes[256] = 11;
  bytes[4096 + 24] = 10;
  return { name: 'dxpedition-940.bin', bytes };
}

// A 10.xx sample whose contest text holds letters of code page 1252.
function logWithCp1252Contest() {
  const bytes = Buffer.from(sampleLog('rac-10xx.bin').bytes);
  bytes.fill(0, 0, 32);
  bytes.write('Cöntest Ärger', 0, 'latin1');
  return { name: 'cp1252.bin', bytes };
}

async function setOptions(page, boxes, text) {
  for (const option of OPTIONS) {
    const box = page.getByRole('checkbox', { name: option.label, exact: true });
    await box.setChecked(boxes[option.name] ?? option.checked ?? false);
  }
  await page.getByLabel('Own contest ID').fill(text);
  await page.getByLabel('Own contest ID').dispatchEvent('change');
  await settled(page);
}

async function chooseFiles(page, logs) {
  await page.setInputFiles('#log-files', filePayloads(logs));
  await settled(page);
}

async function dropFiles(page, logs) {
  const transfer = await page.evaluateHandle((files) => {
    const data = new DataTransfer();
    for (const file of files) {
      data.items.add(new File([new Uint8Array(file.bytes)], file.name));
    }
    return data;
  }, logs.map((log) => ({ name: log.name, bytes: [...log.bytes] })));
  await page.dispatchEvent('#drop-zone', 'dragover', { dataTransfer: transfer });
  await page.dispatchEvent('#drop-zone', 'drop', { dataTransfer: transfer });
  await settled(page);
}

function article(page, logName) {
  return page.locator('article.log').filter({
    has: page.locator('h2', { hasText: logName }) });
}

async function messagesOf(page, logName) {
  return article(page, logName).locator('.messages li').allInnerTexts();
}

// The zip of "Download all", read: a Map from entry name to bytes.
async function downloadAll(page) {
  const zip = await download(page,
    page.getByRole('button', { name: 'Download all' }));
  assert.equal(zip.name, 'kestrum-adif.zip');
  return new Map(Object.entries(unzipSync(new Uint8Array(zip.bytes))));
}

function assertSameAdif(zipped, expected, context) {
  assert.deepEqual([...zipped.keys()].sort(),
    [...expected.keys()].map((name) => name.replace(/\.bin$/, '.adi')).sort(),
    context);
  for (const [name, bytes] of expected) {
    const got = zipped.get(name.replace(/\.bin$/, '.adi'));
    assert.ok(Buffer.from(got).equals(bytes), `${context}: ${name} differs`);
  }
}

describe('the page', () => {
  let site;
  before(async () => { site = await startSite(); });
  afterEach(async () => { await site.closePages(); });
  after(async () => { await site?.close(); });

  test('shows the options as the dialog does, below the privacy line',
    async () => {
      const { page, errors } = await openPage(site);
      const labels = await page.locator('#options label').allInnerTexts();
      assert.deepEqual(labels.slice(0, OPTIONS.length).map((l) => l.trim()),
        OPTIONS.map((option) => option.label));
      for (const option of OPTIONS) {
        const box = page.getByRole('checkbox', { name: option.label,
          exact: true });
        assert.equal(await box.isChecked(), option.checked ?? false,
          option.label);
      }
      assert.equal(await page.getByLabel('Own contest ID').inputValue(), '');
      const privacy = page.locator('#privacy');
      assert.match(await privacy.innerText(), /never leave this computer/);
      const drop = page.getByRole('button', { name: /Drop ZR logs here/ });
      assert.ok((await privacy.boundingBox()).y <
                (await drop.boundingBox()).y);
      assert.deepEqual(errors, []);
    });

  test('converts logs from the file chooser, each with its download and '
    + 'all in one zip', async () => {
    const { page, requestsAfterLoad, errors } = await openPage(site,
      { viewport: { width: 1000, height: 800 } });
    const logs = [sampleLog('cqp-9xx.bin'), sampleLog('rac-10xx.bin')];
    await chooseFiles(page, logs);
    const expected = convertWithCli(logs, []);
    for (const log of logs) {
      const adiName = log.name.replace('.bin', '.adi');
      const file = await download(page, article(page, log.name)
        .getByRole('link', { name: `Download ${adiName}` }));
      assert.equal(file.name, adiName);
      assert.ok(file.bytes.equals(expected.get(log.name)), log.name);
    }
    assertSameAdif(await downloadAll(page), expected, 'zip');
    assert.deepEqual(await messagesOf(page, 'cqp-9xx.bin'), [
      'Contest is CQP, Operator is N6ABC, ZR 9.60',
      '9 QSOs written in 0 seconds to cqp-9xx.adi', '',
      'Warning: VE8AB: NT is not a valid ADIF province or state.',
      'Warning: W6QQQ: XX is not a valid ADIF province or state.', '',
    ]);
    assert.equal(await article(page, 'cqp-9xx.bin').locator('.report')
      .innerText(), '9 QSOs written to cqp-9xx.adi');
    assert.equal(await page.locator('#status').innerText(),
      '2 logs converted.');
    await page.screenshot({ path: join(outDir, 'kestrum-web.png'),
      fullPage: true });
    assert.deepEqual(requestsAfterLoad(), []);
    assert.deepEqual(errors, []);
  });

  test('takes dropped logs, and a refused one shows its error and no '
    + 'download', async () => {
    const { page, requestsAfterLoad, errors } = await openPage(site);
    await dropFiles(page, [sampleLog('cqww-7xx.bin'), notALog]);
    assert.equal(await page.locator('article.log').count(), 2);
    const refused = article(page, 'notes.bin');
    assert.deepEqual(await messagesOf(page, 'notes.bin'), [
      'Error: ZR file notes.bin does not have a valid header.', '']);
    assert.equal(await refused.locator('.messages li.error').count(), 1);
    assert.equal(await refused.getByRole('link').count(), 0);
    assert.equal(await article(page, 'cqww-7xx.bin')
      .getByRole('link', { name: 'Download cqww-7xx.adi' }).count(), 1);
    assert.ok(await page.getByRole('button', { name: 'Download all' })
      .isHidden(), 'one converted log needs no zip');
    assert.equal(await page.locator('#status').innerText(),
      '1 log converted, 1 could not be converted.');

    // An empty file, then the same name again: it replaces the first.
    await dropFiles(page, [{ name: 'notes.bin', bytes: Buffer.alloc(0) }]);
    assert.equal(await page.locator('article.log').count(), 2);
    // Two logs whose ADIF files share a name both reach the zip.
    await dropFiles(page, [{ ...sampleLog('cqww-7xx.bin'),
      name: 'cqww-7xx.BIN' }]);
    assert.deepEqual([...(await downloadAll(page)).keys()],
      ['cqww-7xx.adi', 'cqww-7xx-2.adi']);
    await page.getByRole('button', { name: 'Clear the list' }).click();
    assert.equal(await page.locator('article.log').count(), 0);
    assert.deepEqual(requestsAfterLoad(), []);
    assert.deepEqual(errors, []);
  });

  test('every option alone converts as kestrum-convert with its flag',
    async () => {
      const { page, requestsAfterLoad, errors } = await openPage(site);
      const logs = [...sampleLogs(), dxpeditionLog()];
      await chooseFiles(page, logs);
      assertSameAdif(await downloadAll(page), convertWithCli(logs, []),
        'defaults');
      const changes = [
        ...OPTIONS.map((option) => ({
          title: option.label,
          boxes: { [option.name]: !(option.checked ?? false) },
          text: '',
          flags: [option.flag],
        })),
        { title: 'own contest ID', boxes: {}, text: 'MY-CONTEST',
          flags: ['--contest-id-text', 'MY-CONTEST'] },
      ];
      const defaults = convertWithCli(logs, []);
      for (const change of changes) {
        await setOptions(page, change.boxes, change.text);
        const expected = convertWithCli(logs, change.flags);
        assert.ok([...expected].some(([name, bytes]) =>
          !bytes.equals(defaults.get(name))), `${change.title} changes a log`);
        assertSameAdif(await downloadAll(page), expected, change.title);
      }
      assert.deepEqual(requestsAfterLoad(), []);
      assert.deepEqual(errors, []);
    });

  test('every sample under four option sets equals kestrum-convert',
    async () => {
      const { page, requestsAfterLoad, errors } = await openPage(site);
      const logs = sampleLogs();
      await chooseFiles(page, logs);
      for (const set of OPTION_SETS) {
        await setOptions(page, set.boxes, set.text);
        assertSameAdif(await downloadAll(page),
          convertWithCli(logs, set.flags), set.title);
      }
      assert.deepEqual(requestsAfterLoad(), []);
      assert.deepEqual(errors, []);
    });

  test('names and log texts beyond ASCII read as code page 1252',
    async () => {
      const { page, errors } = await openPage(site);
      const cqp = sampleLog('cqp-9xx.bin').bytes;
      await chooseFiles(page, [
        { name: 'Köln – Contest.bin', bytes: cqp },
        { name: 'Ωmega.bin', bytes: cqp },
        { name: 'Brühl.bin', bytes: notALog.bytes },
        logWithCp1252Contest(),
      ]);
      assert.ok((await messagesOf(page, 'Köln – Contest.bin'))
        .includes('9 QSOs written in 0 seconds to Köln – Contest.adi'));
      const file = await download(page, article(page, 'Köln – Contest.bin')
        .getByRole('link'));
      assert.equal(file.name, 'Köln – Contest.adi');
      // Ω is not in code page 1252: the engine gets '?', the download keeps
      // the name.
      assert.ok((await messagesOf(page, 'Ωmega.bin'))
        .includes('9 QSOs written in 0 seconds to ?mega.adi'));
      assert.equal((await download(page, article(page, 'Ωmega.bin')
        .getByRole('link'))).name, 'Ωmega.adi');
      assert.deepEqual(await messagesOf(page, 'Brühl.bin'), [
        'Error: ZR file Brühl.bin does not have a valid header.', '']);
      assert.match((await messagesOf(page, 'cp1252.bin'))[0],
        /^Contest is Cöntest Ärger, Operator is /);
      assert.deepEqual(errors, []);
    });

  test('works with the keyboard alone', async () => {
    const { page, requestsAfterLoad, errors } = await openPage(site);
    const focused = () => page.evaluate(() => {
      const element = document.activeElement;
      return element.labels?.[0]?.innerText.trim() ??
        element.getAttribute('aria-label') ?? element.innerText.trim();
    });
    await page.keyboard.press('Tab');
    assert.match(await focused(), /^Drop ZR logs here/);
    const logs = [sampleLog('cqp-9xx.bin'), sampleLog('neqp-10xx.bin')];
    const [chooser] = await Promise.all([
      page.waitForEvent('filechooser'), page.keyboard.press('Enter')]);
    assert.ok(chooser.isMultiple());
    await chooser.setFiles(filePayloads(logs));
    await settled(page);

    for (const option of OPTIONS) {
      await page.keyboard.press('Tab');
      assert.equal(await focused(), option.label);
      if (option.name === 'operator') await page.keyboard.press('Space');
    }
    await page.keyboard.press('Tab');
    assert.match(await focused(), /^Own contest ID/);
    await settled(page);
    await page.keyboard.press('Tab');
    assert.equal(await focused(), 'Download all');
    await page.keyboard.press('Tab');
    assert.equal(await focused(), 'Clear the list');
    await page.keyboard.press('Tab');
    assert.equal(await focused(), 'Download cqp-9xx.adi');
    const [file] = await Promise.all([
      page.waitForEvent('download'), page.keyboard.press('Enter')]);
    assert.equal(file.suggestedFilename(), 'cqp-9xx.adi');
    assert.ok(readFileSync(await file.path()).equals(
      convertWithCli([logs[0]], ['--operator']).get('cqp-9xx.bin')));

    // Space on the drop zone opens the chooser as well.
    await page.locator('#drop-zone').focus();
    const [again] = await Promise.all([
      page.waitForEvent('filechooser'), page.keyboard.press('Space')]);
    await again.setFiles([]);
    assert.deepEqual(requestsAfterLoad(), []);
    assert.deepEqual(errors, []);
  });

  test('fits a phone screen', async () => {
    const { page, errors } = await openPage(site, {
      viewport: { width: 360, height: 740 }, isMobile: true, hasTouch: true,
      deviceScaleFactor: 2 });
    await chooseFiles(page, [sampleLog('sweepstakes-8xx.bin'),
      sampleLog('iota-10xx.bin')]);
    const widths = await page.evaluate(() => ({
      page: document.documentElement.scrollWidth, screen: window.innerWidth }));
    assert.ok(widths.page <= widths.screen, JSON.stringify(widths));
    const fontSize = await page.locator('.messages li').first().evaluate(
      (element) => parseFloat(getComputedStyle(element).fontSize));
    assert.ok(fontSize >= 12, `message text ${fontSize}px`);
    await page.screenshot({ path: join(outDir, 'kestrum-web-phone.png'),
      fullPage: true });
    assert.deepEqual(errors, []);
  });

  test('the content security policy holds', async () => {
    const { page } = await openPage(site);
    const policy = Object.fromEntries((await page.getAttribute(
      'meta[http-equiv="Content-Security-Policy"]', 'content'))
      .split(';').map((directive) => directive.trim().split(/\s+/))
      .map(([name, ...sources]) => [name, sources.join(' ')]));
    assert.equal(policy['default-src'], "'none'");
    assert.equal(policy['script-src'], "'self' 'wasm-unsafe-eval'");
    assert.equal(policy['connect-src'], "'self'");
    const outcome = await page.evaluate(async () => {
      const script = document.createElement('script');
      script.textContent = 'window.inlineRan = true;';
      document.body.append(script);
      let fetched = 'ran';
      try {
        await fetch('http://127.0.0.1:9/elsewhere');
      } catch {
        fetched = 'blocked';
      }
      return { inline: window.inlineRan ? 'ran' : 'blocked', fetch: fetched };
    });
    assert.deepEqual(outcome, { inline: 'blocked', fetch: 'blocked' });
  });
});
