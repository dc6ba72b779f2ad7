// Checks of the reference generator's own rules: run with  cd tools && npm test
import assert from 'node:assert/strict';
import {mkdtempSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {dirname, join} from 'node:path';
import {test} from 'node:test';
import {fileURLToPath} from 'node:url';

import {bygAlle, eksempelFejl} from './alle.mjs';
import {topAlternativer} from './css.mjs';
import {cp1252Side, cp1252Streng, foerstForst, foldAZ, laesHaandskrevet, sideHtml, sidenavn, version} from './felles.mjs';
import {tael} from './tael.mjs';
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

test('the committed pages show none of the known faults', () => {
  const fund = [...tael(join(her, '..', '..', 'data', 'Program', 'Struktur'))].filter(([navn, n]) => n && !/i alt/.test(navn));
  assert.deepEqual(fund, []);
});

const side = (struktur, navn) => alleElementer(struktur).find((e) => e.side === navn);
const html = (struktur, navn) => sideHtml(side(struktur, navn), []);

test('facts of tag and attribute pages follow the data', () => {
  for (const [navn, moenster] of [
    ['kode-li', /<th>Slutkode<\/th><td>kan udelades/],
    ['kode-td', /<th>Slutkode<\/th><td>kan udelades/],
    ['kode-div', /<th>Slutkode<\/th><td>ja/],
    ['kode-br', /<th>Slutkode<\/th><td>ingen/],
    ['attribut-controls', /<pre class="syntaks">&lt;\w+ controls&gt;<\/pre>/],
    ['attribut-src', /<th>Understøttelse på <code>&lt;img&gt;<\/code><\/th>/],
    ['attribut-cellpadding', /class="note advarsel"/],
    ['kode-keygen', /class="note advarsel"/],
  ]) {
    assert.match(html('Html5', navn), moenster, navn);
  }
});

test('an event example is live only where the reader can fire it', () => {
  for (const e of alleElementer('Html5').filter((x) => x.indhold.art === 'hændelse' && !x.indhold.haandskrevet)) {
    const x = e.indhold.eksempel;
    const vist = x.vis !== false;
    if (/<button/.test(x.html) && !/<form/.test(x.html) && vist) assert.match(e.tekst, /^on(click|dblclick|auxclick|contextmenu|mouse\w+|wheel)$/, e.tekst);
    if (/<video|<body|<dialog/.test(x.html)) assert.equal(vist, false, e.tekst);
  }
});

test('related pages come from relations, not from the alphabet', () => {
  for (const [struktur, navn, skal] of [
    ['Html5', 'kode-li', ['attribut-value', 'kode-ul', 'kode-ol']],
    ['Html5', 'attribut-onplay', ['attribut-onpause']],
    ['CSS', 'egenskab-border-top-style', ['egenskab-border-style', 'egenskab-border-top']],
    ['CSS', 'egenskab-page-break-before', ['egenskab-break-before']],
  ]) {
    const rel = side(struktur, navn).indhold.relaterede.map((r) => r.side);
    for (const s of skal) assert.ok(rel.includes(s), `${navn}: ${s} in ${rel}`);
  }
});

test('support lines agree with the versions they show', () => {
  assert.equal(version('≤18'), '18 eller tidligere');
  assert.equal(version('120'), '120');
  for (const e of alleElementer('JavaScript').concat(alleElementer('CSS'))) {
    const s = e.indhold.stoette;
    if (!s) continue;
    const mangler = s.versioner.filter((v) => v.includes('&ndash;')).length;
    if (/Mangler i/.test(s.linje)) assert.ok(mangler > 0, e.side);
    if (/Findes i alle/.test(s.linje)) assert.equal(mangler, 0, e.side);
  }
});

test('every keyword in a value table has a Danish gloss', () => {
  const uden = new Set();
  for (const e of alleElementer('CSS').filter((x) => x.indhold.art === 'CSS-egenskab')) {
    for (const [v, tekst] of e.indhold.tabel.raekker) if (/se beskrivelsen ovenfor/.test(tekst)) uden.add(v);
  }
  assert.deepEqual([...uden], []);
});

test('argument facts: optional and repeating ones are not required', () => {
  for (const [navn, moenster] of [
    ['js-JSON-s-parse', /<code>text<\/code> skal med; <code>reviver<\/code> kan udelades/],
    ['js-Math-s-max', /<code>values<\/code> kan gives nul eller flere gange/],
    ['js-Date-s-UTC', /<code>year<\/code> skal med; <code>monthIndex<\/code> kan udelades/],
    ['dom-Element-append', /<td><code>nodes<\/code><\/td><td>[^]*?<\/td><td>nej; kan gives flere gange<\/td>/],
  ]) {
    assert.match(html('JavaScript', navn), moenster, navn);
  }
});
