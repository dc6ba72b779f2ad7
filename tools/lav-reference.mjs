// Writes the reference structures Html5, CSS and JavaScript of the program
// folder from well-kept data packages and the hand-written Danish texts in
// reference/haandskrevet/. The output is committed, so building the program
// needs no npm.
//
// Regenerate:  cd tools && npm ci && node lav-reference.mjs

import {readFileSync, writeFileSync} from 'node:fs';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

import {cssGrundbegreber, jsOperatorer} from './reference/begreber.mjs';
import {lavCss} from './reference/css.mjs';
import {foerstForst, foldAZ, laesHaandskrevet, skrivStruktur} from './reference/felles.mjs';
import {lavHtml5} from './reference/html5.mjs';
import {lavJavaScript} from './reference/javascript.mjs';

const start = performance.now();
const her = dirname(fileURLToPath(import.meta.url));
const programDir = join(her, '..', 'data', 'Program');
const strukturDir = join(programDir, 'Struktur');
const designMappe = join(her, 'reference', 'design');

// Hand-written entries; the generator reports any that found no element.
// Keys compare as the look-up does, A–Z folded.
function haandskrevet(navn) {
  const poster = new Map([...laesHaandskrevet(join(her, 'reference', 'haandskrevet', `${navn}.md`))]
      .map(([k, v]) => [foldAZ(k), v]));
  const brugt = new Set();
  return {
    get(noegle) {
      // An entry belongs to the element the look-up reaches: the first asked.
      const k = foldAZ(noegle);
      if (brugt.has(k)) return undefined;
      const p = poster.get(k);
      if (p) brugt.add(k);
      return p;
    },
    ubrugte: () => [...poster.values()].filter((p) => !brugt.has(foldAZ(p.noegle))).map((p) => p.noegle),
    antal: () => poster.size,
  };
}

// A group named like an element would catch the look-up of that name.
function tjekGrupper(rod) {
  const alle = [...foerstForst(rod)];
  const navne = new Set(alle.filter((e) => !e.born.length).map((e) => foldAZ(e.tekst)));
  for (const e of alle) {
    if (e.born.length && e !== rod && navne.has(foldAZ(e.tekst)) &&
        !['DOM-interface', 'indbygget objekt'].includes(e.indhold.art)) {
      throw new Error(`group "${e.tekst}" shadows an element of the same name`);
    }
  }
}

const resultater = [];
const html = haandskrevet('Html5');
const h5 = lavHtml5(programDir, html);
if (h5.ukendte.length) console.warn(`tags without a group: ${h5.ukendte.join(' ')}`);
const css = haandskrevet('CSS');
const c = lavCss(css);
cssGrundbegreber(c.rod, css);
const js = haandskrevet('JavaScript');
const j = await lavJavaScript(js);
jsOperatorer(j.rod, js);

for (const [navn, s, h] of [['Html5', h5, html], ['CSS', c, css], ['JavaScript', j, js]]) {
  tjekGrupper(s.rod);
  // A page without related names of its own links its neighbours in the tree.
  for (const e of foerstForst(s.rod)) {
    if (e.indhold.relaterede?.length || !e.forælder || e.born.length) continue;
    const soeskende = e.forælder.born;
    const i = soeskende.indexOf(e);
    e.indhold.relaterede = soeskende.slice(Math.max(0, i - 3), i + 4).filter((b) => b !== e);
  }
  const r = skrivStruktur(join(strukturDir, navn), s.rod, designMappe);
  const haandsider = [...foerstForst(s.rod)].filter((e) => e.indhold.haandskrevet).length;
  resultater.push(`${navn}: ${r.elementer} elementer, ${haandsider} håndskrevne, ${(r.bytes / 1024 / 1024).toFixed(1)} MB`);
  if (h.ubrugte().length) console.warn(`${navn}: hand-written entries without an element: ${h.ubrugte().join(', ')}`);
}
// Pictures the generated examples show.
writeFileSync(join(strukturDir, 'Html5', 'Billeder', 'eksempel.svg'), readFileSync(join(designMappe, 'eksempel.svg')));

console.log(resultater.join('\n'));
console.log(`tid: ${((performance.now() - start) / 1000).toFixed(1)} s`);
