// Checks of the reference generator's own rules: run with  cd tools && npm test
import assert from 'node:assert/strict';
import {mkdtempSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {test} from 'node:test';

import {topAlternativer} from './css.mjs';
import {cp1252Side, cp1252Streng, foldAZ, laesHaandskrevet, sidenavn} from './felles.mjs';

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
