// Writes the Danish stop words that the statistics leave out of the words
// used most, from the npm package stopwords-iso. The output is committed.
//
// Regenerate:  cd tools && npm ci && node lav-stopord.mjs
//
// Windows-1252 (the program's text file rule), one word per line in lower
// case, CR LF after every line, sorted, without duplicates.

import {mkdirSync, readFileSync, writeFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

const require = createRequire(import.meta.url);
const lister = JSON.parse(readFileSync(require.resolve('stopwords-iso/stopwords-iso.json'), 'utf8'));

const ord = [...new Set(lister.da.map((o) => o.trim().toLowerCase()).filter(Boolean))].sort();
for (const o of ord) {
  // Every Danish letter is in Latin-1, which Windows-1252 holds at the same code points.
  if ([...o].some((c) => c.codePointAt(0) > 0xff)) throw new Error(`Uden for Windows-1252: ${o}`);
}

const dir = join(dirname(fileURLToPath(import.meta.url)), '..', 'data', 'Program', 'Dir');
mkdirSync(dir, {recursive: true});
writeFileSync(join(dir, 'Stopord.txt'), Buffer.from(ord.map((o) => o + '\r\n').join(''), 'latin1'));
console.log(`Stopord.txt: ${ord.length} ord`);
