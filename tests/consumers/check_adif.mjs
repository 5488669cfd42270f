// SPDX-License-Identifier: MIT
// Reads ADIF files with tcadif, a third-party ADIF library for node, and
// reports everything it rejects or would quietly drop or rewrite:
//
//   node check_adif.mjs [--tcadif DIR] [--adif-version X.Y.Z] FILE...
//
// --tcadif names the installed tcadif package (by default it is looked up
// beside this script); --adif-version is the ADIF_VER every header must state.
//
// Each file is read twice. First whole, with ADIF.parse, as an application
// reads it: that must not throw and must find every record. Then field by
// field with tcadif's own tokenizer and field definitions, so that every bad
// field is reported, not only the first one of a file:
//   error    a value tcadif refuses (data type, enumeration, range), a tag
//            without length, a field running past the end of the file, a
//            record tcadif refuses, FREQ or FREQ_RX outside the record's band
//            (tcadif's band table);
//   warning  a field tcadif drops (not an ADIF field, import-only field), a
//            value tcadif rewrites to accept it, a value with blanks at its
//            ends, text between the fields of a record, a field twice in a
//            record, a CONTEST_ID that is not one of ADIF's contest
//            identifiers.
// Application-defined fields (APP_...) are legal ADIF and pass unchecked.
//
// Prints one line per problem and a closing count. Exit status: 0 when no
// file has an error or a warning, 1 when any has, 2 for a usage error.

import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';

const usage =
    'usage: node check_adif.mjs [--tcadif DIR] [--adif-version X.Y.Z] FILE...';

function parseArguments(argv) {
  const options = { tcadif: null, adifVersion: null, files: [] };
  for (let i = 0; i < argv.length; ++i) {
    const argument = argv[i];
    if (argument === '--tcadif' || argument === '--adif-version') {
      if (i + 1 >= argv.length) return null;
      options[argument === '--tcadif' ? 'tcadif' : 'adifVersion'] = argv[++i];
    } else if (argument.startsWith('--')) {
      return null;
    } else {
      options.files.push(argument);
    }
  }
  return options.files.length > 0 ? options : null;
}

const options = parseArguments(process.argv.slice(2));
if (options === null) {
  console.error(usage);
  process.exit(2);
}

const require = createRequire(import.meta.url);
const tcadifModule = options.tcadif === null ? 'tcadif' : path.resolve(options.tcadif);
const { ADIF, Field, Header, QSO, enums } = require(tcadifModule);
const tcadifVersion = require(
    options.tcadif === null ? 'tcadif/package.json'
                            : path.join(tcadifModule, 'package.json')).version;

// Enumerations that tcadif's field definitions name differently from its
// table of enumerations, so that its own check never runs (tcadif 2.4.0:
// ARRL_SECT and MY_ARRL_SECT name "ArrlSect", the table is "ArrlSection").
const renamedEnumerations = { ArrlSect: 'ArrlSection' };

const headerDefinitions = new Map(Header.defs.map(def => [def.fieldName, def]));
const recordDefinitions = new Map(QSO.defs.map(def => [def.fieldName, def]));

// A value as a message quotes it: short, on one line.
function quote(value) {
  const text = String(value).replace(/\r/g, '\\r').replace(/\n/g, '\\n');
  return `"${text.length > 40 ? text.slice(0, 40) + '...' : text}"`;
}

// What tcadif threw, with the field and value it names; any other exception
// is a fault of this script and goes on up.
function describeError(error) {
  if (error?.name !== 'AdifError') throw error;
  const about = error.field === undefined ? '' : ` (${error.field} ${quote(error.value)})`;
  return `${error.message}${about}`;
}

class FileCheck {
  constructor(file, text) {
    this.file = file;
    this.text = text;
    this.errors = 0;
    this.warnings = 0;
    this.records = 0;
    this.lineStarts = [0];
    for (let i = 0; i < text.length; ++i) {
      if (text[i] === '\n') this.lineStarts.push(i + 1);
    }
  }

  lineOf(offset) {
    let low = 0;
    let high = this.lineStarts.length - 1;
    while (low < high) {
      const middle = (low + high + 1) >> 1;
      if (this.lineStarts[middle] <= offset) low = middle; else high = middle - 1;
    }
    return low + 1;
  }

  report(kind, offset, message) {
    if (kind === 'error') ++this.errors; else ++this.warnings;
    console.log(`${this.file}:${this.lineOf(offset)}: ${kind}: ${message}`);
  }

  // tcadif's normalizer and validator on one value; false when it refuses it.
  checkValue(where, definition, name, value, offset) {
    if (value !== value.trim()) {
      this.report('warning', offset, `${where}${name} ${quote(value)} has blanks at its ends`);
    }
    let normalized;
    try {
      normalized = definition.normalize(value);
      definition.validate(normalized);
    } catch (error) {
      this.report('error', offset, `${where}${name} ${quote(value)}: ${describeError(error)}`);
      return false;
    }
    const enumeration = renamedEnumerations[definition.enumeration];
    if (enumeration !== undefined && !Object.hasOwn(enums[enumeration], normalized)) {
      this.report('error', offset,
                  `${where}${name} ${quote(value)}: not one of tcadif's ${enumeration} values`);
      return false;
    }
    if (String(normalized).toUpperCase() !== value.toUpperCase()) {
      this.report('warning', offset,
                  `${where}${name} ${quote(value)}: tcadif reads it as ${quote(normalized)}`);
    }
    return true;
  }

  checkHeaderField(name, value, offset) {
    const definition = headerDefinitions.get(name);
    if (definition === undefined) {
      this.report('warning', offset, `header: ${name} is no ADIF header field; tcadif drops it`);
      return;
    }
    this.checkValue('header: ', definition, name, value, offset);
  }

  // Returns false when tcadif refuses the value.
  checkRecordField(where, name, value, offset) {
    if (name.startsWith('APP_')) return true;
    const definition = recordDefinitions.get(name);
    if (definition === undefined) {
      this.report('warning', offset, `${where}${name} is no ADIF field; tcadif drops it`);
      return true;
    }
    if (definition.importOnly) {
      this.report('warning', offset,
                  `${where}${name} ${quote(value)} is an import-only field; tcadif drops it`);
    }
    return this.checkValue(where, definition, name, value, offset);
  }

  checkFrequency(where, fields, frequencyName, bandName, offset) {
    const frequency = fields.get(frequencyName);
    const band = fields.get(bandName) ?? fields.get('BAND');
    if (frequency === undefined || band === undefined) return;
    const limits = enums.Band[band.value.toUpperCase()];
    if (limits === undefined) return;  // reported with the band
    const megahertz = parseFloat(frequency.value);
    if (megahertz < parseFloat(limits.lowerFreq) || megahertz > parseFloat(limits.upperFreq)) {
      this.report('error', frequency.offset,
                  `${where}${frequencyName} ${quote(frequency.value)} is outside band ` +
                  `${band.value} (${limits.lowerFreq}-${limits.upperFreq} MHz)`);
    }
  }

  checkRecord(fields, valuesAccepted, offset) {
    const call = fields.get('CALL')?.value ?? '(no call)';
    const where = `record ${this.records} (${call}): `;
    if (valuesAccepted) {
      // The record as a whole: the fields tcadif requires of every contact.
      const values = Object.fromEntries([...fields].map(([name, field]) => [name, field.value]));
      try {
        new QSO(values);
      } catch (error) {
        this.report('error', offset, `${where}tcadif refuses the record: ${describeError(error)}`);
      }
    }
    this.checkFrequency(where, fields, 'FREQ', 'BAND', offset);
    this.checkFrequency(where, fields, 'FREQ_RX', 'BAND_RX', offset);
    const contest = fields.get('CONTEST_ID');
    if (contest !== undefined && !Object.hasOwn(enums.ContestID, contest.value)) {
      this.report('warning', contest.offset,
                  `${where}CONTEST_ID ${quote(contest.value)} is not one of ADIF's contest identifiers`);
    }
  }

  // Walks the file tag by tag with tcadif's tokenizer.
  checkFields() {
    // A file that does not start with '<' starts with a header whose first
    // part is free text.
    let inHeader = !this.text.startsWith('<');
    let headerFields = 0;
    let adifVersion = null;
    let fields = new Map();
    let valuesAccepted = true;
    let recordOffset = null;
    let offset = 0;
    for (;;) {
      const rest = this.text.slice(offset);
      const match = Field.matcher.exec(rest);
      if (match === null) {
        if (rest.trim() !== '') {
          this.report('warning', offset, `text after the last record: ${quote(rest.trim())}`);
        }
        break;
      }
      const tagOffset = offset + match.index;
      const between = rest.slice(0, match.index);
      if (between.trim() !== '' && !(inHeader && headerFields === 0)) {
        this.report('warning', offset, `text outside any field: ${quote(between.trim())}`);
      }
      const field = Field.parse(rest);
      if (field === null) {
        this.report('error', tagOffset, `<${match.groups.fieldName}> runs past the end of the file`);
        break;
      }
      offset += field.bytesConsumed;
      const name = field.fieldName;
      if (name === 'EOH') {
        if (!inHeader) this.report('error', tagOffset, '<EOH> after the first record');
        inHeader = false;
        continue;
      }
      if (name === 'EOR') {
        if (inHeader) {
          this.report('error', tagOffset, '<EOR> before the end of the header');
          inHeader = false;
        }
        ++this.records;
        this.checkRecord(fields, valuesAccepted, recordOffset ?? tagOffset);
        fields = new Map();
        valuesAccepted = true;
        recordOffset = null;
        continue;
      }
      if (field.data === null) {
        this.report('error', tagOffset, `<${name}> has no length`);
        continue;
      }
      if (inHeader) {
        ++headerFields;
        if (name === 'ADIF_VER') adifVersion = field.data;
        this.checkHeaderField(name, field.data, tagOffset);
        continue;
      }
      recordOffset ??= tagOffset;
      const call = name === 'CALL' ? field.data : fields.get('CALL')?.value;
      const where = `record ${this.records + 1} (${call ?? 'no call yet'}): `;
      if (fields.has(name)) {
        this.report('warning', tagOffset, `${where}${name} appears twice; tcadif keeps the last`);
      }
      fields.set(name, { value: field.data, offset: tagOffset });
      if (!this.checkRecordField(where, name, field.data, tagOffset)) valuesAccepted = false;
    }
    if (fields.size > 0) {
      this.report('error', recordOffset, 'the last record has no <EOR>');
    }
    if (options.adifVersion !== null && adifVersion !== options.adifVersion) {
      this.report('error', 0, `header: ADIF_VER is ${adifVersion === null ? 'missing' :
                  quote(adifVersion)}, not ${quote(options.adifVersion)}`);
    }
  }

  // The file as an application reads it.
  checkWholeFile() {
    let adif;
    try {
      adif = ADIF.parse(this.text);
    } catch (error) {
      this.report('error', 0, `ADIF.parse refuses the file: ${describeError(error)}`);
      return;
    }
    const read = adif.toObject().qsos.length;
    if (read !== this.records) {
      this.report('error', 0, `ADIF.parse reads ${read} records, the file has ${this.records}`);
    }
  }
}

let errors = 0;
let warnings = 0;
let records = 0;
for (const file of options.files) {
  let text;
  try {
    // ADIF lengths count bytes; latin1 gives one character per byte.
    text = readFileSync(file, 'latin1');
  } catch (error) {
    console.log(`${file}: error: cannot read the file: ${error.message}`);
    ++errors;
    continue;
  }
  const check = new FileCheck(file, text);
  check.checkFields();
  check.checkWholeFile();
  errors += check.errors;
  warnings += check.warnings;
  records += check.records;
}
console.log(`check_adif: tcadif ${tcadifVersion}: ${options.files.length} files, ` +
            `${records} records, ${errors} errors, ${warnings} warnings`);
process.exit(errors + warnings > 0 ? 1 : 0);
