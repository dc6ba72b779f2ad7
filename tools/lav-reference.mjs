// Writes the reference structures Html5, CSS and JavaScript of the program
// folder from well-kept data packages and the hand-written Danish texts in
// reference/haandskrevet/. The output is committed, so building the program
// needs no npm.
//
// Regenerate:  cd tools && npm ci && node lav-reference.mjs

import {readFileSync, writeFileSync} from 'node:fs';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

import {bygAlle, eksempelFejl} from './reference/alle.mjs';
import {foerstForst, skrivStruktur} from './reference/felles.mjs';

const start = performance.now();
const her = dirname(fileURLToPath(import.meta.url));
const programDir = join(her, '..', 'data', 'Program');
const strukturDir = join(programDir, 'Struktur');
const designMappe = join(her, 'reference', 'design');

const strukturer = await bygAlle(programDir, join(her, 'reference', 'haandskrevet'));
// A page whose example is broken is not written at all.
const fejl = strukturer.flatMap((s) => eksempelFejl(s.navn, s.rod));
if (fejl.length) {
  console.error(fejl.join('\n'));
  console.error(`${fejl.length} broken examples; nothing written`);
  process.exit(1);
}
const resultater = [];
for (const s of strukturer) {
  if (s.ukendte.length) console.warn(`tags without a group: ${s.ukendte.join(' ')}`);
  const r = skrivStruktur(join(strukturDir, s.navn), s.rod, designMappe);
  // Pictures the examples show.
  writeFileSync(join(strukturDir, s.navn, 'Billeder', 'eksempel.svg'), readFileSync(join(designMappe, 'eksempel.svg')));
  const haandsider = [...foerstForst(s.rod)].filter((e) => e.indhold.haandskrevet).length;
  resultater.push(`${s.navn}: ${r.elementer} elementer, ${haandsider} håndskrevne, ${(r.bytes / 1024 / 1024).toFixed(1)} MB`);
  if (s.ubrugte.length) console.warn(`${s.navn}: hand-written entries without an element: ${s.ubrugte.join(', ')}`);
}

console.log(resultater.join('\n'));
console.log(`tid: ${((performance.now() - start) / 1000).toFixed(1)} s`);
