// SPDX-License-Identifier: MIT
// Kestrum's conversion engine for web pages: convert(bytes, options) turns a
// ZR log into ADIF text inside the browser, with the same engine and to the
// same bytes as kestrum-convert. Nothing is sent anywhere: the engine
// (kestrum-engine.wasm beside this file) is fetched once, when the module
// loads, and every conversion runs in memory. doc/web.md describes the
// interface.

import createKestrumEngine from './kestrum-engine.js';

// The C interface's option bits (web/kestrum_web.h).
const OPTION_BITS = {
  sixMeters: 1 << 0,
  arrlSs: 1 << 1,
  vexo: 1 << 2,
  operator: 1 << 3,
  wpx: 1 << 4,
  seconds: 1 << 5,
  frequency: 1 << 6,
  adif3: 1 << 7,
};

// The dialog's options when it opens.
export const DEFAULT_OPTIONS = Object.freeze({
  name: 'log.bin',
  sixMeters: false,
  contestId: false,
  contestIdText: '',
  arrlSs: false,
  operator: false,
  vexo: false,
  wpx: false,
  seconds: true,
  frequency: true,
  adif3: false,
});

const STATUSES = ['converted', 'refused', 'error'];
const KINDS = ['information', 'warning', 'error'];

// What the engine's contest-ID text is while "Contest ID" is checked.
const GENERATED_CONTEST_ID = 'ADIF';

// Shown when the engine itself failed (it ran out of memory on a huge log).
export const ENGINE_FAILURE =
  'ERROR:  The log could not be converted: the browser gave the converter ' +
  'too little memory.';

// ---- Code page 1252 -------------------------------------------------------

// Bytes 0x80 to 0x9f of code page 1252; the rest are Latin-1. The five
// bytes the code page leaves undefined read as '?', as in the desktop
// dialog. (Some TextDecoders read "windows-1252" as Latin-1, so the table
// is here.)
const HIGH_CONTROLS =
  '€?‚ƒ„…†‡ˆ‰Š‹Œ?Ž??‘’“”•–—˜™š›œ?žŸ';
const characterOfByte = Array.from({ length: 256 }, (_, byte) =>
  byte >= 0x80 && byte < 0xa0 ? HIGH_CONTROLS[byte - 0x80]
                              : String.fromCharCode(byte));
const byteOfCharacter = new Map();
characterOfByte.forEach((character, byte) => {
  if (character !== '?' || byte === 0x3f) byteOfCharacter.set(character, byte);
});
const QUESTION_MARK = 0x3f;

// `text` in code page 1252, a character the code page lacks (and NUL, which
// would end the text early) as '?'.
export function encodeCp1252(text) {
  const bytes = [];
  for (const character of String(text)) {
    const byte = byteOfCharacter.get(character);
    bytes.push(byte === undefined || byte === 0 ? QUESTION_MARK : byte);
  }
  return Uint8Array.from(bytes);
}

// Code page 1252 bytes as text.
export function decodeCp1252(bytes) {
  let text = '';
  for (const byte of bytes) text += characterOfByte[byte];
  return text;
}

// ---- File names -----------------------------------------------------------

// The ADIF file's name for a log's file name, as kestrum-convert proposes
// it: the extension (from the last '.', unless that starts the name)
// replaced by ".adi"; a name without one gets ".adi" appended.
export function adifNameOf(logName) {
  const name = String(logName);
  const dot = name.lastIndexOf('.');
  return (dot > 0 ? name.slice(0, dot) : name) + '.adi';
}

// ---- The engine -----------------------------------------------------------

let compiled = null;  // Promise of the compiled WebAssembly.Module
let engine = null;    // Promise of the running engine instance

// Starts loading the engine, if that has not begun, and resolves when it is
// ready. Pages call it at load so that nothing is fetched later; convert()
// calls it too. `wasmBinary` (the bytes of kestrum-engine.wasm) loads it
// without a fetch, as in Node.
export function loadEngine({ wasmBinary } = {}) {
  if (compiled === null) {
    // Compiled from its bytes rather than streamed, so that a server which
    // sends .wasm under another type serves it all the same.
    compiled = (wasmBinary ? Promise.resolve(wasmBinary)
      : fetch(new URL('kestrum-engine.wasm', import.meta.url))
        .then((response) => {
          if (!response.ok) throw new Error(`engine: HTTP ${response.status}`);
          return response.arrayBuffer();
        }))
      .then((bytes) => WebAssembly.compile(bytes));
    // A failed load may be tried again.
    compiled.catch(() => { compiled = null; engine = null; });
  }
  if (engine === null) engine = startEngine(compiled);
  return engine.then(() => undefined);
}

// A new instance of the compiled engine: after a failure inside the engine
// its memory cannot be trusted, so the next conversion gets a fresh one,
// without fetching anything again.
function startEngine(compiledModule) {
  return compiledModule.then((module) => createKestrumEngine({
    instantiateWasm(imports, receiveInstance) {
      WebAssembly.instantiate(module, imports)
        .then((instance) => receiveInstance(instance, module));
      return {};
    },
  }));
}

// A copy of `bytes` in the engine's memory, or 0 when there is no room.
function copyIn(instance, bytes, terminate) {
  const size = bytes.length + (terminate ? 1 : 0);
  const address = instance._malloc(Math.max(size, 1));
  if (address === 0) return 0;
  instance.HEAPU8.set(bytes, address);
  if (terminate) instance.HEAPU8[address + bytes.length] = 0;
  return address;
}

function textAt(instance, address) {
  const end = instance.HEAPU8.indexOf(0, address);
  return instance.HEAPU8.subarray(address, end);
}

// A message-list line for display: one line feed at its end dropped.
function displayLine(bytes) {
  return decodeCp1252(bytes).replace(/\n$/, '');
}

function failure(adifName) {
  return {
    status: 'error',
    qsosWritten: 0,
    adif: new Uint8Array(0),
    messages: [ENGINE_FAILURE, ''],
    kinds: ['error', 'error'],
    report: ENGINE_FAILURE,
    adifName,
  };
}

function engineOptions(options) {
  let bits = 0;
  for (const [name, bit] of Object.entries(OPTION_BITS)) {
    if (options[name]) bits |= bit;
  }
  let contestIdText = String(options.contestIdText ?? '');
  if (contestIdText === '' && options.contestId) {
    contestIdText = GENERATED_CONTEST_ID;
  }
  return { bits, contestIdText };
}

// Converts the log `bytes` (a Uint8Array or ArrayBuffer) into ADIF.
// `options` as DEFAULT_OPTIONS; left-out fields take their defaults. A
// non-empty contestIdText wins over contestId. Resolves to
//   { status: 'converted' | 'refused' | 'error', qsosWritten,
//     adif: Uint8Array (empty unless converted),
//     messages: the message-list lines, in the dialog's order with its
//               empty lines,
//     kinds: 'information' | 'warning' | 'error' for each line,
//     report: the text of the dialog's closing box,
//     adifName: the ADIF file's name }.
export async function convert(bytes, options = {}) {
  const log = bytes instanceof ArrayBuffer ? new Uint8Array(bytes) : bytes;
  if (!(log instanceof Uint8Array)) {
    throw new TypeError('convert: bytes must be a Uint8Array');
  }
  const settings = { ...DEFAULT_OPTIONS, ...options };
  const name = String(settings.name);
  const adifName = adifNameOf(name);
  await loadEngine();
  const instance = await engine;

  const { bits, contestIdText } = engineOptions(settings);
  const inputs = [];
  let result = 0;
  try {
    for (const [text, terminate] of [
      [log, false], [encodeCp1252(name), true],
      [encodeCp1252(adifName), true], [encodeCp1252(contestIdText), true]]) {
      const address = copyIn(instance, text, terminate);
      if (address === 0) return failure(adifName);
      inputs.push(address);
    }
    result = instance._kestrum_web_convert(
      inputs[0], log.length, inputs[1], inputs[2], bits, inputs[3]);
    if (result === 0) return failure(adifName);

    const adifAddress = instance._kestrum_web_adif(result);
    const adifSize = instance._kestrum_web_adif_size(result);
    const messages = [];
    const kinds = [];
    const count = instance._kestrum_web_message_count(result);
    for (let index = 0; index < count; ++index) {
      messages.push(displayLine(
        textAt(instance, instance._kestrum_web_message(result, index))));
      kinds.push(KINDS[instance._kestrum_web_message_kind(result, index)]);
    }
    return {
      status: STATUSES[instance._kestrum_web_status(result)],
      qsosWritten: instance._kestrum_web_qsos_written(result),
      adif: instance.HEAPU8.slice(adifAddress, adifAddress + adifSize),
      messages,
      kinds,
      report: displayLine(
        textAt(instance, instance._kestrum_web_report(result))),
      adifName,
    };
  } catch (error) {
    // The engine stopped inside (out of memory): start afresh next time.
    engine = null;
    return failure(adifName);
  } finally {
    if (engine !== null) {
      if (result !== 0) instance._kestrum_web_free(result);
      for (const address of inputs) instance._free(address);
    }
  }
}
