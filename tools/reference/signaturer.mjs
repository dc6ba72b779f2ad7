// Parameters and results of the language's built-in methods, read from the
// TypeScript library declarations: which arguments are required, which are
// optional or may repeat, and whether a method gives anything back.

import {readdirSync, readFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import {dirname, join} from 'node:path';

const libMappe = dirname(createRequire(import.meta.url).resolve('typescript/lib/lib.es5.d.ts'));

// Splits at the commas outside brackets.
function del(s) {
  const ud = [];
  let dybde = 0;
  let nu = '';
  for (const c of s) {
    if ('([{<'.includes(c)) ++dybde;
    if (')]}>'.includes(c) && !(c === '>' && nu.endsWith('='))) --dybde;
    if (c === ',' && dybde === 0) {
      ud.push(nu.trim());
      nu = '';
    } else {
      nu += c;
    }
  }
  if (nu.trim()) ud.push(nu.trim());
  return ud;
}

function parametre(tekst) {
  return del(tekst).map((p) => {
    const m = /^(\.\.\.)?(\w+)(\?)?\s*:\s*([\s\S]+)$/.exec(p);
    if (!m) return null;
    return {navn: m[2], gentages: Boolean(m[1]), valgfri: Boolean(m[3]), type: m[4].trim()};
  });
}

// interface name -> method name -> [signature], signature = {parametre, giver}.
export function laesSignaturer() {
  const ud = new Map();
  const filer = readdirSync(libMappe).filter((f) => /^lib\.es(5|20\d\d|next)\b.*\.d\.ts$/.test(f)).sort();
  for (const f of filer) {
    let iface = null;
    for (const linje of readFileSync(join(libMappe, f), 'utf8').split('\n')) {
      const start = /^(?:declare )?interface (\w+)/.exec(linje);
      if (start) {
        iface = start[1];
        continue;
      }
      if (/^}/.test(linje)) {
        iface = null;
        continue;
      }
      if (!iface) continue;
      const m = /^ {4}(?:readonly )?(\w+)(?:<[^(]*>)?\((.*)\): (.+);\s*$/.exec(linje);
      if (!m) continue;
      const ps = parametre(m[2]);
      if (ps.includes(null)) continue;
      if (!ud.has(iface)) ud.set(iface, new Map());
      const metoder = ud.get(iface);
      if (!metoder.has(m[1])) metoder.set(m[1], []);
      metoder.get(m[1]).push({parametre: ps, giver: m[3].trim()});
    }
  }
  return ud;
}
