// SPDX-License-Identifier: MIT
// The page: takes logs from the drop zone or the file chooser, converts each
// through kestrum.js with the options on the page, and shows every log's
// message list and download. Options changed later convert the listed logs
// again. Everything stays in this tab: the engine is loaded with the page,
// and downloads are made from memory.

import { convert, loadEngine } from './kestrum.js';

const dropZone = document.getElementById('drop-zone');
const fileInput = document.getElementById('log-files');
const optionsBox = document.getElementById('options');
const statusLine = document.getElementById('status');
const results = document.getElementById('results');
const allLogs = document.getElementById('all-logs');
const downloadAllButton = document.getElementById('download-all');
const clearButton = document.getElementById('clear');
const resultTemplate = document.getElementById('result-template');

// The listed logs in the order they came: { name, bytes, result, url }.
let logs = [];
let ready = false;
// Conversions run one after the other; this is the last one queued, and
// the results are marked busy while any is waiting.
let pending = Promise.resolve();
let queued = 0;

const MARKS = { warning: 'Warning', error: 'Error' };

function currentOptions() {
  const options = {};
  for (const input of optionsBox.querySelectorAll('input')) {
    options[input.name] = input.type === 'checkbox' ? input.checked
                                                    : input.value;
  }
  return options;
}

function plural(count, word) {
  return `${count} ${word}${count === 1 ? '' : 's'}`;
}

function showStatus() {
  if (logs.length === 0) {
    statusLine.textContent = 'Ready: no log converted yet.';
    return;
  }
  const converted = logs.filter((log) => log.result.status === 'converted');
  const failed = logs.length - converted.length;
  statusLine.textContent = `${plural(converted.length, 'log')} converted` +
    (failed > 0 ? `, ${failed} could not be converted.` : '.');
}

function renderLog(log) {
  const { result } = log;
  const article = resultTemplate.content.firstElementChild.cloneNode(true);
  article.classList.add(result.status);
  article.querySelector('.log-name').textContent = log.name;
  article.querySelector('.report').textContent = result.report;

  const link = article.querySelector('.download');
  if (log.url) URL.revokeObjectURL(log.url);
  log.url = null;
  if (result.status === 'converted') {
    log.url = URL.createObjectURL(
      new Blob([result.adif], { type: 'application/octet-stream' }));
    link.href = log.url;
    link.download = result.adifName;
    link.textContent = `Download ${result.adifName}`;
    link.hidden = false;
  } else {
    link.remove();
  }

  const list = article.querySelector('.messages');
  result.messages.forEach((text, index) => {
    const item = document.createElement('li');
    const kind = result.kinds[index];
    if (text === '') {
      // The empty line that closes a group in the dialog's list.
      item.className = 'gap';
      item.setAttribute('aria-hidden', 'true');
    } else {
      item.className = kind;
      if (MARKS[kind]) {
        const mark = document.createElement('span');
        mark.className = 'mark';
        mark.textContent = `${MARKS[kind]}: `;
        item.append(mark);
      }
      item.append(text);
    }
    list.append(item);
  });
  return article;
}

function render() {
  // A log whose conversion never ran (the engine failed to start) is left
  // out.
  logs = logs.filter((log) => log.result !== null);
  results.replaceChildren(...logs.map(renderLog));
  const converted = logs.filter((log) => log.result.status === 'converted');
  allLogs.hidden = logs.length === 0;
  downloadAllButton.hidden = converted.length < 2;
  showStatus();
}

// Converts the listed logs (or only `fresh` ones) with the current options.
function convertLogs(fresh = logs) {
  const options = currentOptions();
  ++queued;
  results.setAttribute('aria-busy', 'true');
  pending = pending.then(async () => {
    statusLine.textContent = `Converting ${plural(fresh.length, 'log')}…`;
    // Let the status show before the engine holds the tab.
    await new Promise((resolve) => setTimeout(resolve, 0));
    for (const log of fresh) {
      log.result = await convert(log.bytes, { ...options, name: log.name });
    }
  }).catch((error) => console.error(error)).finally(() => {
    if (--queued === 0) {
      render();
      results.removeAttribute('aria-busy');
    }
  });
  return pending;
}

async function addFiles(fileList) {
  const files = [...fileList];
  if (!ready || files.length === 0) return;
  const fresh = await Promise.all(files.map(async (file) => ({
    name: file.name,
    bytes: new Uint8Array(await file.arrayBuffer()),
    result: null,
    url: null,
  })));
  // A log of the same name replaces the one listed.
  const names = new Set(fresh.map((log) => log.name));
  for (const log of logs) {
    if (names.has(log.name) && log.url) URL.revokeObjectURL(log.url);
  }
  logs = logs.filter((log) => !names.has(log.name)).concat(fresh);
  await convertLogs(fresh);
}

// Unique names for the zip: a second "contest.adi" becomes "contest-2.adi".
function zipEntries(converted) {
  const entries = {};
  for (const log of converted) {
    let name = log.result.adifName;
    for (let n = 2; name in entries; ++n) {
      name = log.result.adifName.replace(/\.adi$/, `-${n}.adi`);
    }
    entries[name] = log.result.adif;
  }
  return entries;
}

function downloadAll() {
  const converted = logs.filter((log) => log.result.status === 'converted');
  const zip = globalThis.fflate.zipSync(zipEntries(converted), { level: 6 });
  const url = URL.createObjectURL(new Blob([zip], { type: 'application/zip' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = 'kestrum-adif.zip';
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

function clearList() {
  for (const log of logs) {
    if (log.url) URL.revokeObjectURL(log.url);
  }
  logs = [];
  render();
  dropZone.focus();
}

function chooseFiles() {
  if (ready) fileInput.click();
}

dropZone.addEventListener('click', chooseFiles);
dropZone.addEventListener('keydown', (event) => {
  if (event.key === 'Enter' || event.key === ' ') {
    event.preventDefault();
    chooseFiles();
  }
});
fileInput.addEventListener('change', async () => {
  await addFiles(fileInput.files);
  fileInput.value = '';
});

// A file dropped beside the zone must not make the browser open it.
for (const type of ['dragover', 'drop']) {
  window.addEventListener(type, (event) => event.preventDefault());
}
dropZone.addEventListener('dragover', (event) => {
  event.preventDefault();
  event.dataTransfer.dropEffect = 'copy';
  dropZone.classList.add('dragging');
});
dropZone.addEventListener('dragleave', () => {
  dropZone.classList.remove('dragging');
});
dropZone.addEventListener('drop', (event) => {
  event.preventDefault();
  dropZone.classList.remove('dragging');
  addFiles(event.dataTransfer.files);
});

optionsBox.addEventListener('change', () => {
  if (logs.length > 0) convertLogs();
});
downloadAllButton.addEventListener('click', downloadAll);
clearButton.addEventListener('click', clearList);

loadEngine().then(() => {
  ready = true;
  dropZone.removeAttribute('aria-disabled');
  document.documentElement.dataset.engine = 'ready';
  showStatus();
}, () => {
  statusLine.textContent = location.protocol === 'file:'
    ? 'The converter cannot load from a file: open this page through a web ' +
      'server (see the README).'
    : 'The converter could not be loaded; reload the page to try again.';
  document.documentElement.dataset.engine = 'failed';
});
