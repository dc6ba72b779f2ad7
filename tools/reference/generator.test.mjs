// Checks of the reference generator's own rules: run with  cd tools && npm test
import assert from 'node:assert/strict';
import {mkdtempSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {dirname, join} from 'node:path';
import {test} from 'node:test';
import {fileURLToPath} from 'node:url';

import {bygAlle, eksempelFejl} from './alle.mjs';
import {topAlternativer} from './css.mjs';
import {cp1252Side, cp1252Streng, foerstForst, foldAZ, laesHaandskrevet, sidenavn} from './felles.mjs';
import {tjekCss, tjekEksempel, tjekJs} from './tjek.mjs';

const her = dirname(fileURLToPath(import.meta.url));

test('pages keep their charset: characters outside Windows-1252 become references', () => {
  for (const [tekst, bytes] of [
    ['æøå', [0xe6, 0xf8, 0xe5]],
    ['€…', [0x80, 0x85]],
    ['∞', [...Buffer.from('&#8734;')]],
    ['漢', [...Buffer.from('&#28450;')]],
  ]) {
    assert.deepEqual([...cp1252Side(tekst)], bytes, tekst);
  }
  assert.throws(() => cp1252Streng('∞'));
  assert.deepEqual([...cp1252Streng('Ændringer')], [0xc6, ...Buffer.from('ndringer')]);
});

test('page names are safe file names without a dot', () => {
  for (const [dele, navn] of [
    [['at', '@font-face'], 'at-font-face'],
    [['pk', 'nth-child'], 'pk-nth-child'],
    [['js', 'JSON', 's', 'parse'], 'js-JSON-s-parse'],
    [['attribut', 'data-', 'familie'], 'attribut-data-familie'],
    [['gruppe', 'Billeder og medier'], 'gruppe-Billeder-og-medier'],
  ]) {
    assert.equal(sidenavn(...dele), navn);
    assert.match(sidenavn(...dele), /^[A-Za-z0-9_-]+$/);
  }
});

test('the look-up folds A-Z only', () => {
  assert.equal(foldAZ('Globale Attributter'), 'globale attributter');
  assert.equal(foldAZ('ÆndrInger'), 'Ændringer');
});

test('value syntax splits at its top-level bars only', () => {
  for (const [syntaks, dele] of [
    ['a | b', ['a', 'b']],
    ['[ a | b ] | c', ['[ a | b ]', 'c']],
    ['a || b | c', ['a || b', 'c']],
    ['<length [0,∞]> | auto', ['<length [0,∞]>', 'auto']],
    ['fit-content( <length> | <percentage> )', ['fit-content( <length> | <percentage> )']],
  ]) {
    assert.deepEqual(topAlternativer(syntaks), dele, syntaks);
  }
});

test('hand-written entries: paragraphs and fenced examples', () => {
  const fil = join(mkdtempSync(join(tmpdir(), 'ref-')), 'x.md');
  writeFileSync(fil, '# tag p\nEt afsnit\nmed to linjer.\n\nAndet afsnit.\n~~~html\n<p>Hej</p>\n~~~\n~~~css\np { color: teal; }\n~~~\n# attribut href\nKort.\n');
  const p = laesHaandskrevet(fil);
  assert.deepEqual([...p.keys()], ['tag p', 'attribut href']);
  assert.deepEqual(p.get('tag p').afsnit, ['Et afsnit\nmed to linjer.', 'Andet afsnit.']);
  assert.equal(p.get('tag p').html, '<p>Hej</p>');
  assert.equal(p.get('tag p').css, 'p { color: teal; }');
  assert.equal(p.get('attribut href').html, undefined);
  writeFileSync(fil, '# p\na\n# p\nb\n');
  assert.throws(() => laesHaandskrevet(fil));
});

test('example checks catch placeholders, unknown properties, bad syntax and no-ops', () => {
  for (const [css, fejler] of [
    ['.a { border-style: dashed; }', false],
    ["p { border-style: <'border-top-style'>{1,4}; }", true],
    ['.eksempel { egenskab: teal; }', true],
    ['.a { color: tael; }', true],
    ['@container <container-condition># { p { color: red; } }', true],
    ['@media (max-width: 600px) { p { color: teal; } }', false],
    ['@font-face { font-family: "X"; src: url("x.woff2"); }', false],
    ['@page { margin: 2cm; }', false],
    ['.a { color: var(--min-farve); --min-farve: teal; }', false],
  ]) {
    assert.equal(tjekCss(css).length > 0, fejler, css);
  }
  for (const [js, fejler] of [
    ['billede.width = billede.width;', true],
    ['billede.width = 120;', false],
    ['const resultat = liste.at(…);', true],
    ['if (x) {', true],
    ['const svar = await fetch("data.json");', false],
    ['export const version = 2;', false],
  ]) {
    assert.equal(tjekJs(js).length > 0, fejler, js);
  }
  assert.deepEqual(tjekEksempel({kode: 'const r = element.remove();'}, {giverIntet: 'remove'}).length, 1);
  assert.deepEqual(tjekEksempel({kode: 'element.remove();'}, {giverIntet: 'remove'}), []);
  assert.equal(tjekEksempel({html: '<button onclick="this.x = this.x">Klik</button>'}).length, 1);
  assert.equal(tjekEksempel({html: '<p style="color: teal; egenskab: 1">x</p>'}).length, 1);
});

const strukturer = await bygAlle(join(her, '..', '..', 'data', 'Program'), join(her, 'haandskrevet'));
const alleElementer = (navn) => [...foerstForst(strukturer.find((s) => s.navn === navn).rod)];

test('every example of every page passes the checks', () => {
  assert.deepEqual(strukturer.flatMap((s) => eksempelFejl(s.navn, s.rod)), []);
});

test('a look-up of a shared name lands on the page a page script means', () => {
  for (const [struktur, navn, side] of [
    ['JavaScript', 'open', 'dom-Window-open'],
    ['JavaScript', 'close', 'dom-Window-close'],
    ['JavaScript', 'add', 'dom-DOMTokenList-add'],
    ['JavaScript', 'clear', 'dom-Storage-clear'],
    ['JavaScript', 'querySelector', 'dom-Document-querySelector'],
    ['JavaScript', 'forEach', 'js-Array-p-forEach'],
    ['CSS', 'rgba', 'fn-rgba'],
    ['CSS', 'page-break-before', 'egenskab-page-break-before'],
    ['JavaScript', 'FormData', 'dom-FormData'],
  ]) {
    assert.equal(alleElementer(struktur).find((e) => foldAZ(e.tekst) === foldAZ(navn))?.side, side, navn);
  }
});
