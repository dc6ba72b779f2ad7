// Counts the known faults of generated reference pages in a Struktur folder:
//   node reference/tael.mjs ../data/Program/Struktur
// Each line is a finding and how many pages (or rows) show it.

import {existsSync, readdirSync, readFileSync} from 'node:fs';
import {join} from 'node:path';

import webFeatures from 'web-features/data.json' with {type: 'json'};

import {fraCp1252} from './felles.mjs';
import {BOOLSKE, OBSOLETE_ATTR, VALGFRI_SLUT} from './html5.mjs';
import {tjekCss} from './tjek.mjs';

const fraraadet = new Set();
for (const f of Object.values(webFeatures.features)) if (f.discouraged) for (const k of f.compat_features ?? []) fraraadet.add(k);

// Events a button fires when the reader uses it.
const KNAP = /^on(click|dblclick|auxclick|contextmenu|mouse\w+|pointer\w+|focus|blur|focusin|focusout|keydown|keyup|keypress|wheel|touch\w+|beforeinput|input)$/;
const MANGLER = {
  JavaScript: ['Response', 'FormData', 'URLSearchParams', 'CustomEvent', 'HTMLDialogElement', 'CanvasRenderingContext2D',
    'HTMLSelectElement', 'HTMLTextAreaElement', 'HTMLButtonElement', 'HTMLMediaElement', 'HTMLVideoElement',
    'IntersectionObserver', 'MutationObserver', 'AbortController'],
  CSS: ['rgba', 'hsla', 'url', 'page-break-before', 'page-break-after', 'page-break-inside'],
};
const OPSLAG = [['open', 'dom-Window-open'], ['close', 'dom-Window-close'], ['add', 'dom-DOMTokenList-add'], ['clear', 'dom-Storage-clear']];

const cp1252 = (fil) => fraCp1252(readFileSync(fil));
const afkod = (s) => s.replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"').replace(/&amp;/g, '&');

export function tael(strukturDir) {
  const t = new Map();
  const op = (navn, n = 1) => t.set(navn, (t.get(navn) ?? 0) + n);
  for (const navn of [
    'live <style> med pladsholder eller "egenskab:"', 'CSS-eksempel med en egenskab, der ikke findes', 'JS-eksempel "x = x;"',
    'JS-eksempel "const resultat = …"', '"const resultat = …" for en metode, der intet giver', 'CSS-værdirækker i alt',
    'værdirækker kun "nøgleord"', 'værdirækker "en sammensat værdi; se syntaksen"', '"se nedenfor" om tekst ovenfor',
    '"Argumenter: mindst N" fra Function.length', 'gentagne argumenter markeret som påkrævede', '"før N" for ≤N',
    '"Ikke Baseline … virker endnu ikke" ved fire versioner', 'attribut på flere koder med én kodes understøttelse uden navn',
    'valgfri slutkode skrevet som påkrævet', 'frarådet eller forældet uden advarsel', '"Se også" = de første koder i alfabetet',
    '"den er tal og kan kun læses"', '"med alt det globale"', 'boolsk attribut skrevet ="værdi"', '"når hændelsen X indtræffer"',
    '"Prøv mig"-knap for en hændelse, en knap ikke affyrer', 'manglende navne', 'billede i eksempel, som ikke leveres',
    'live eksempel med medie, der ikke findes', 'filer med LF blandet i CR LF', 'opslag, der lander forkert']) t.set(navn, 0);

  for (const struktur of ['Html5', 'CSS', 'JavaScript']) {
    const mappe = join(strukturDir, struktur);
    const tekster = cp1252(join(mappe, 'struktur.txt')).split('\r\n').map((l) => l.trim());
    const sider = cp1252(join(mappe, 'data.txt')).split('\r\n').map((l) => l.slice(1));
    for (const n of MANGLER[struktur] ?? []) if (!tekster.includes(n)) op('manglende navne');
    if (struktur === 'JavaScript') {
      for (const [navn, side] of OPSLAG) if (sider[tekster.indexOf(navn)] !== side) op('opslag, der lander forkert');
    }
    const tekstMappe = join(mappe, 'tekstfiler');
    for (const fil of readdirSync(tekstMappe).filter((f) => f.endsWith('.html'))) {
      const raa = cp1252(join(tekstMappe, fil));
      if (/[^\r]\n/.test(raa)) op('filer med LF blandet i CR LF');
      const side = fil.slice(0, -5);
      const stil = /<head>[\s\S]*?<style>\r?\n([\s\S]*?)\r?\n<\/style>/.exec(raa)?.[1];
      if (stil) {
        const fejl = tjekCss(stil);
        if (fejl.some((f) => /placeholder/.test(f)) || /egenskab:/.test(stil)) op('live <style> med pladsholder eller "egenskab:"');
        if (fejl.some((f) => /Unknown property/.test(f))) op('CSS-eksempel med en egenskab, der ikke findes');
      }
      const kode = [...raa.matchAll(/<pre class="kode js">([\s\S]*?)<\/pre>/g)].map((m) => afkod(m[1])).join('\n');
      if (/(^|\s)([\w.]+) = \2;/m.test(kode)) op('JS-eksempel "x = x;"');
      if (/const resultat = /.test(kode)) {
        op('JS-eksempel "const resultat = …"');
        if (/<pre class="syntaks">undefined /.test(raa)) op('"const resultat = …" for en metode, der intet giver');
      }
      if (struktur === 'CSS' && side.startsWith('egenskab-')) {
        const tabel = /<table class="vaerdier">([\s\S]*?)<\/table>/.exec(raa)?.[1] ?? '';
        for (const [, celle] of tabel.matchAll(/<tr><td>[\s\S]*?<\/td><td>([\s\S]*?)<\/td><\/tr>/g)) {
          op('CSS-værdirækker i alt');
          if (celle === 'nøgleord') op('værdirækker kun "nøgleord"');
          if (celle === 'en sammensat værdi; se syntaksen') op('værdirækker "en sammensat værdi; se syntaksen"');
          if (/se nedenfor/.test(celle)) op('"se nedenfor" om tekst ovenfor');
        }
      }
      if (/Argumenter<\/th><td>(mindst \d|ingen påkrævede)/.test(raa)) op('"Argumenter: mindst N" fra Function.length');
      const syntaks = /<pre class="syntaks">([\s\S]*?)<\/pre>/.exec(raa)?.[1] ?? '';
      for (const [, navn] of afkod(syntaks).matchAll(/(\w+)…(?!\])/g)) {
        if (new RegExp(`<td><code>${navn}</code></td><td>.*?</td><td>ja</td>`).test(raa)) op('gentagne argumenter markeret som påkrævede');
      }
      if (/<b>før \d/.test(raa)) op('"før N" for ≤N');
      if (/virker endnu ikke i alle de store browsere/i.test(raa) &&
          [...raa.matchAll(/<span class="browser">[^<]*<b>([^<]*)<\/b>/g)].slice(0, 4).every((m) => m[1] !== '&ndash;')) {
        op('"Ikke Baseline … virker endnu ikke" ved fire versioner');
      }
      if (struktur === 'Html5' && side.startsWith('attribut-') && /<th>Gælder for<\/th>|<div class="underoverskrift">Gælder for/.test(raa)) {
        const koder = (/Gælder for<\/div>\r\n<table[^>]*>([\s\S]*?)<\/table>/.exec(raa)?.[1].match(/<tr><td>/g) ?? []).length;
        if (koder > 1 && /<tr><th>Understøttelse<\/th>/.test(raa)) op('attribut på flere koder med én kodes understøttelse uden navn');
      }
      const kodeNavn = /^kode-(.+)$/.exec(side)?.[1];
      if (kodeNavn && VALGFRI_SLUT.has(kodeNavn) && /<th>Slutkode<\/th><td>ja<\/td>/.test(raa)) op('valgfri slutkode skrevet som påkrævet');
      if (erFraraadet(tekstMappe, side, raa) && !/class="note advarsel"/.test(raa)) {
        op('frarådet eller forældet uden advarsel');
        if (process.env.VIS) console.log(struktur, side);
      }
      const se = /<p class="relaterede">([\s\S]*?)<\/p>/.exec(raa)?.[1] ?? '';
      if (/^<a href="kode-a\.html">.*<a href="kode-abbr\.html">.*<a href="kode-address\.html">/.test(se)) op('"Se også" = de første koder i alfabetet');
      if (/den er tal og kan kun læses/.test(raa)) op('"den er tal og kan kun læses"');
      if (/med alt det globale/.test(raa)) op('"med alt det globale"');
      const attr = /^attribut-(.+)$/.exec(side)?.[1];
      if (attr && BOOLSKE.has(attr) && new RegExp(`${attr}="værdi"`).test(afkod(raa))) op('boolsk attribut skrevet ="værdi"');
      if (/når hændelsen <code>/.test(raa)) op('"når hændelsen X indtræffer"');
      const haendelse = /^attribut-(on\w+)$/.exec(side)?.[1];
      if (haendelse && /<div class="eksempel">\r\n<button/.test(raa) && !KNAP.test(haendelse)) op('"Prøv mig"-knap for en hændelse, en knap ikke affyrer');
      const vist = /<div class="eksempel">([\s\S]*?)<\/div>\r\n/.exec(raa)?.[1] ?? '';
      for (const [, fil] of (vist + (stil ?? '')).matchAll(/(?:src|data|poster)="\.\.\/Billeder\/([^"]+)"|url\("\.\.\/Billeder\/([^"]+)"\)/g)) {
        if (fil && !/^findes-ikke/.test(fil) && !existsSync(join(mappe, 'Billeder', fil))) op('billede i eksempel, som ikke leveres');
      }
      for (const [, fil] of (stil ?? '').matchAll(/url\("\.\.\/Billeder\/([^"]+\.svg)"\)/g)) {
        if (!existsSync(join(mappe, 'Billeder', fil))) op('billede i eksempel, som ikke leveres');
      }
      if (/\.(mp3|mp4|webm|ogg|vtt)"/.test(vist)) op('live eksempel med medie, der ikke findes');
    }
  }
  return t;
}

// Whether the data or the HTML standard's obsolete lists mark a page's subject.
function erFraraadet(mappe, side, raa) {
  let m;
  if ((m = /^dom-([A-Za-z0-9]+)-(\w+)$/.exec(side))) return fraraadet.has(`api.${m[1]}.${m[2]}`);
  if ((m = /^dom-([A-Za-z0-9]+)$/.exec(side))) return fraraadet.has(`api.${m[1]}`);
  if ((m = /^js-(\w+)-[sp]-(\w+)$/.exec(side))) return fraraadet.has(`javascript.builtins.${m[1]}.${m[2]}`);
  if ((m = /^egenskab-(.+)$/.exec(side))) return fraraadet.has(`css.properties.${m[1]}`) || /^page-break-/.test(m[1]);
  if ((m = /^pk-(.+)$/.exec(side))) return fraraadet.has(`css.selectors.${m[1]}`);
  if ((m = /^kode-(.+)$/.exec(side))) return fraraadet.has(`html.elements.${m[1]}`) || /Gruppe: <a href="gruppe-Foraeldede-koder/.test(raa);
  // Only tags the structure has a page for count.
  if ((m = /^attribut-(.+)$/.exec(side))) {
    return [...fraraadet].some((k) => new RegExp(`^html\\.elements\\.(\\w+)\\.${m[1]}$`).test(k) &&
      existsSync(join(mappe, `kode-${k.split('.')[2]}.html`))) || OBSOLETE_ATTR.has(m[1]);
  }
  return false;
}

if (import.meta.url === `file://${process.argv[1]}`) {
  for (const [navn, n] of tael(process.argv[2] ?? '../data/Program/Struktur')) console.log(`${String(n).padStart(5)}  ${navn}`);
}
