// Shared pieces of the reference generator: the tree, the files the structure
// tree reads, the page template, support lines and the hand-written texts.

import {existsSync, mkdirSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {join} from 'node:path';

import webFeatures from 'web-features/data.json' with {type: 'json'};

// --- Windows-1252 --------------------------------------------------------------

const C1 = [
  0x20ac, 0x81, 0x201a, 0x192, 0x201e, 0x2026, 0x2020, 0x2021, 0x2c6, 0x2030, 0x160, 0x2039,
  0x152, 0x8d, 0x17d, 0x8f, 0x90, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014,
  0x2dc, 0x2122, 0x161, 0x203a, 0x153, 0x9d, 0x17e, 0x178,
];
const tilByte = new Map();
for (let b = 0; b < 256; ++b) tilByte.set(b >= 0x80 && b < 0xa0 ? C1[b - 0x80] : b, b);

// A Windows-1252 file's text.
export const fraCp1252 = (buf) => buf.toString('latin1').replace(/[\x80-\x9f]/g, (c) => String.fromCodePoint(C1[c.charCodeAt(0) - 0x80]));

// Text for a page: a character Windows-1252 lacks becomes a character reference,
// so the page can keep the charset its meta line states.
export function cp1252Side(tekst) {
  const bytes = [];
  for (const tegn of tekst) {
    const b = tilByte.get(tegn.codePointAt(0));
    if (b !== undefined) {
      bytes.push(b);
    } else {
      for (const c of `&#${tegn.codePointAt(0)};`) bytes.push(c.charCodeAt(0));
    }
  }
  return Buffer.from(bytes);
}

// Text for struktur.txt and data.txt: every character must fit.
export function cp1252Streng(tekst) {
  const bytes = [];
  for (const tegn of tekst) {
    const b = tilByte.get(tegn.codePointAt(0));
    if (b === undefined) throw new Error(`not in Windows-1252: "${tekst}"`);
    bytes.push(b);
  }
  return Buffer.from(bytes);
}

export const esc = (s) =>
  String(s).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

// --- the tree ------------------------------------------------------------------

// Icon kinds of the normal icon list.
export const IKON = {rod: 0, gruppe: 6, objekt: 4, egenskab: 8, metode: 5, andet: 9, info: 3};

export class Element {
  constructor(tekst, side, ikon, indhold = {}) {
    this.tekst = tekst;
    this.side = side;
    this.ikon = ikon;
    this.born = [];
    this.indhold = indhold;
  }
  tilfoej(barn) {
    this.born.push(barn);
    barn.forælder = this;
    return barn;
  }
}

export function* foerstForst(e) {
  yield e;
  for (const b of e.born) yield* foerstForst(b);
}

// Letters A–Z folded, everything else exact: the look-up's own comparison.
export const foldAZ = (s) => s.replace(/[A-Z]/g, (c) => c.toLowerCase());

// A–Z folded order, as the tree reads for the person looking something up.
export const alfabetisk = (a, b) => {
  const x = foldAZ(a.tekst);
  const y = foldAZ(b.tekst);
  return x < y ? -1 : x > y ? 1 : a.tekst < b.tekst ? -1 : a.tekst > b.tekst ? 1 : 0;
};

// A page name safe as a file name on Windows and Linux and in a link: letters,
// digits, hyphen and underscore only, and never a dot (the tree strips the
// last dot and what follows when it matches a page to its element).
export function sidenavn(...dele) {
  return dele
      .join('-')
      .replace(/[^A-Za-z0-9_-]+/g, '-')
      .replace(/-+/g, '-')
      .replace(/^-|-$/g, '');
}

// --- support -------------------------------------------------------------------

const stoette = new Map();
const fraraadet = new Map();
for (const f of Object.values(webFeatures.features)) {
  const s = f.status?.by_compat_key;
  if (s) for (const [noegle, status] of Object.entries(s)) stoette.set(noegle, status);
  if (f.discouraged) for (const noegle of f.compat_features ?? []) fraraadet.set(noegle, f.discouraged);
}

const BROWSERE = [['chrome', 'Chrome'], ['edge', 'Edge'], ['firefox', 'Firefox'], ['safari', 'Safari'],
  ['chrome_android', 'Chrome på Android'], ['firefox_android', 'Firefox på Android'], ['safari_ios', 'Safari på iOS']];

const dato = (d) => {
  const m = /^(\d{4})-(\d\d)-(\d\d)$/.exec(d ?? '');
  if (!m) return d ?? '';
  const maaneder = ['januar', 'februar', 'marts', 'april', 'maj', 'juni', 'juli', 'august',
    'september', 'oktober', 'november', 'december'];
  return `${Number(m[3])}. ${maaneder[Number(m[2]) - 1]} ${m[1]}`;
};

// A version as the data gives it: "≤18" means 18 or an earlier one.
export const version = (v) => /^≤/.test(v) ? `${v.slice(1)} eller tidligere` : v;

// The support facts of a compatibility key: a Baseline line and the first
// version of each main browser, desktop and mobile; null when the data says nothing.
export function understoettelse(...noegler) {
  const s = noegler.map((n) => stoette.get(n)).find((x) => x);
  if (!s) return null;
  const mangler = BROWSERE.filter(([k]) => !s.support?.[k]).map(([, navn]) => navn);
  let linje;
  if (s.baseline === 'high') {
    linje = `<span class="baseline hoej">Baseline</span> Virker i alle de store browsere og har gjort det længe (siden ${esc(dato(s.baseline_low_date))}).`;
  } else if (s.baseline === 'low') {
    linje = `<span class="baseline lav">Baseline ${esc(s.baseline_low_date?.slice(0, 4) ?? '')}</span> Virker i alle de store browsere, men først fra ${esc(dato(s.baseline_low_date))}; ældre browsere kan mangle den.`;
  } else if (mangler.length) {
    linje = `<span class="baseline ikke">Ikke Baseline</span> Mangler i ${og(mangler)}; prøv siden af, før du bygger på den.`;
  } else if (noegler.some((n) => fraraadet.has(n))) {
    linje = '<span class="baseline ikke">Ikke Baseline</span> Findes i alle de store browsere, men tæller ikke med, fordi den frarådes.';
  } else {
    linje = '<span class="baseline ikke">Ikke Baseline</span> Findes i alle de store browsere, men de er ikke enige om alle detaljer; prøv siden af, før du bygger på den.';
  }
  const versioner = BROWSERE.map(([k, navn]) => {
    const v = s.support?.[k];
    return `<span class="browser">${navn} <b>${v ? esc(version(v)) : '&ndash;'}</b></span>`;
  });
  return {linje, versioner};
}

const og = (dele) => dele.length < 2 ? dele.join('') : `${dele.slice(0, -1).join(', ')} og ${dele.at(-1)}`;

// A warning for a feature the data marks as discouraged, or null.
export function advarsel(...noegler) {
  const d = noegler.map((n) => fraraadet.get(n)).find((x) => x);
  if (!d) return null;
  const erstat = (d.alternatives ?? []).map((a) => webFeatures.features[a]?.name).filter(Boolean);
  return 'Frarådes: browserne har den stadig af hensyn til gamle sider, men nye sider bør ikke bruge den.' +
    (erstat.length ? ` Brug i stedet ${esc(og(erstat))}.` : '');
}

// --- hand-written texts --------------------------------------------------------

// "# noegle" then paragraphs, then optional fenced html, css and js examples.
export function laesHaandskrevet(fil) {
  const poster = new Map();
  if (!existsSync(fil)) return poster;
  let post = null;
  let hegn = null;
  for (const linje of readFileSync(fil, 'utf8').replace(/\r/g, '').split('\n')) {
    if (hegn) {
      if (/^~~~\s*$/.test(linje)) {
        hegn = null;
      } else {
        post[hegn] = (post[hegn] ?? '') + linje + '\n';
      }
      continue;
    }
    const overskrift = /^# (.+?)\s*$/.exec(linje);
    if (overskrift) {
      post = {noegle: overskrift[1], tekst: []};
      if (poster.has(post.noegle)) throw new Error(`${fil}: "${post.noegle}" twice`);
      poster.set(post.noegle, post);
      continue;
    }
    if (!post) continue;
    const start = /^~~~\s*(html|css|js)\s*$/.exec(linje);
    if (start) {
      hegn = start[1];
      post[hegn] = post[hegn] ?? '';
      continue;
    }
    post.tekst.push(linje);
  }
  for (const p of poster.values()) {
    p.afsnit = p.tekst.join('\n').split(/\n\s*\n/).map((a) => a.trim()).filter(Boolean);
    for (const k of ['html', 'css', 'js']) if (p[k] !== undefined) p[k] = p[k].replace(/\s+$/, '');
    delete p.tekst;
  }
  return poster;
}

// --- pages ---------------------------------------------------------------------

const eksempelOverskrift = 'Eksempel';

function fakta(rows) {
  if (!rows.length) return '';
  return '<table class="fakta">\r\n' +
      rows.map(([k, v]) => `<tr><th>${k}</th><td>${v}</td></tr>`).join('\r\n') + '\r\n</table>\r\n';
}

export const link = (e, tekst = e.indhold.visNavn ?? e.tekst) =>
  `<a href="${e.side}.html"><code>${esc(tekst)}</code></a>`;

// A member with the object or interface it belongs to, so names that are
// the same can be told apart: KeyboardEvent.repeat, not just repeat.
const fuldtNavn = (e) => {
  const navn = e.indhold.visNavn ?? e.tekst;
  const ejer = e.forælder?.indhold.art;
  return /\./.test(navn) || !['DOM-interface', 'indbygget objekt'].includes(ejer) ? navn : `${e.forælder.tekst}.${navn}`;
};

export function sideHtml(e, samme) {
  const i = e.indhold;
  const titel = i.visNavn ?? e.tekst;
  const overskrift = i.overskrift ?? titel;
  const hoved = [];
  if (i.eksempel?.css) hoved.push(`<style>\r\n${i.eksempel.css}\r\n</style>`);
  const krop = [];
  krop.push(`<div class="overskrift">${i.kodeOverskrift === false ? esc(overskrift) : `<code>${esc(overskrift)}</code>`}` +
    (i.art ? ` <span class="art">${esc(i.art)}</span>` : '') + '</div>');
  if (i.sti) krop.push(`<div class="sti">${i.sti}</div>`);
  if (i.advarsel) krop.push(`<p class="note advarsel"><b>Bemærk:</b> ${i.advarsel}</p>`);
  for (const a of i.lead ?? []) krop.push(`<p class="indledning">${a}</p>`);
  if (samme.length) {
    krop.push(`<p class="note">Et opslag på <code>${esc(e.tekst)}</code> lander på denne side. Navnet bruges også af ` +
      samme.map((s) => `${link(s, fuldtNavn(s))} (${esc(s.indhold.art ?? '')})`).join(', ') + (samme.length > 1 ? ', som hver har sin egen side.</p>' : ', som har sin egen side.</p>'));
  }
  if (i.syntaks) {
    krop.push('<div class="underoverskrift">Syntaks</div>');
    krop.push(`<pre class="syntaks">${i.syntaks}</pre>`);
    if (i.syntaksNote) krop.push(`<p class="lille">${i.syntaksNote}</p>`);
  }
  if (i.tabel?.raekker.length) {
    krop.push(`<div class="underoverskrift">${i.tabel.overskrift}</div>`);
    krop.push('<table class="vaerdier">');
    krop.push(`<tr>${i.tabel.koloner.map((k) => `<th>${k}</th>`).join('')}</tr>`);
    for (const r of i.tabel.raekker) krop.push(`<tr>${r.map((c) => `<td>${c}</td>`).join('')}</tr>`);
    krop.push('</table>');
    if (i.tabel.note) krop.push(`<p class="lille">${i.tabel.note}</p>`);
  }
  // Facts and browser support share one table, so the example stays in view.
  const raekker = [...(i.fakta ?? [])];
  if (i.stoette !== undefined) {
    raekker.push([i.stoetteOverskrift ?? 'Understøttelse', i.stoette ?
      `${i.stoette.linje}<div class="browsere">${i.stoette.versioner.join(' ')}</div>` :
      'Der er ingen oplysninger om understøttelse i browserne.']);
  }
  if (raekker.length) {
    krop.push('<div class="underoverskrift">Fakta</div>');
    krop.push(fakta(raekker).trimEnd());
  }
  if (i.liste?.length) {
    krop.push(`<div class="underoverskrift">${i.listeOverskrift ?? 'Indhold'}</div>`);
    krop.push('<ul class="indholdsliste">');
    for (const [b, note] of i.liste) krop.push(`<li>${link(b)}${note ? ` &ndash; ${note}` : ''}</li>`);
    krop.push('</ul>');
  }
  const x = i.eksempel;
  if (x && (x.html || x.css || x.js || x.kode)) {
    krop.push(`<div class="underoverskrift">${eksempelOverskrift}</div>`);
    if (x.tekst) krop.push(`<p>${x.tekst}</p>`);
    if (x.html) krop.push(`<pre class="kode">${esc(x.html)}</pre>`);
    if (x.css) krop.push(`<pre class="kode css">${esc(x.css)}</pre>`);
    if (x.js) krop.push(`<pre class="kode js">${esc(x.js)}</pre>`);
    if (x.kode) krop.push(`<pre class="kode js">${esc(x.kode)}</pre>`);
    if (x.html && x.vis !== false) {
      krop.push('<div class="vist">Sådan ser det ud:</div>');
      krop.push(`<div class="eksempel">\r\n${x.html}\r\n</div>`);
    }
  }
  if (i.relaterede?.length) {
    krop.push('<div class="underoverskrift">Se også</div>');
    krop.push(`<p class="relaterede">${i.relaterede.map((r) => link(r)).join(' ')}</p>`);
  }
  if (x?.js) krop.push(`<script>\r\n${x.js}\r\n</script>`);
  return [
    '<!DOCTYPE html>',
    '<html>',
    '<head>',
    `<title>${esc(titel)}</title>`,
    '<meta http-equiv="content-type" content="text/html; charset=windows-1252">',
    '<meta http-equiv="X-UA-Compatible" content="IE=11">',
    '<link rel="stylesheet" type="text/css" href="Design og funktioner/design.css">',
    '<script type="text/javascript" src="Design og funktioner/funktioner.js"></script>',
    ...hoved,
    '</head>',
    '<body>',
    '<div class="spalteUb1 opslag">',
    ...krop,
    '</div>',
    '</body>',
    '</html>',
    '',
  ].join('\r\n').replace(/\r?\n/g, '\r\n');
}

// --- writing a structure -------------------------------------------------------

export function skrivStruktur(mappe, rod, designMappe) {
  const alle = [...foerstForst(rod)];
  // Page names must differ also where the file system folds case.
  const sider = new Map();
  for (const e of alle) {
    const k = e.side.toLowerCase();
    if (!e.side || sider.has(k)) throw new Error(`page name "${e.side}" twice or empty`);
    sider.set(k, e);
    if (/^\s/.test(e.tekst) || e.tekst === '') throw new Error(`bad element text "${e.tekst}"`);
  }
  // Same element text, A–Z folded: the look-up lands on the first in tree
  // order, so that page names the others.
  // Names written with their interface (Set.prototype.add) count as the name.
  const efterTekst = new Map();
  for (const e of alle) {
    const k = foldAZ(e.indhold.opslag ?? e.tekst);
    if (!efterTekst.has(k)) efterTekst.set(k, []);
    efterTekst.get(k).push(e);
  }
  for (const [k, g] of efterTekst) g.sort((a, b) => (foldAZ(a.tekst) === k ? 0 : 1) - (foldAZ(b.tekst) === k ? 0 : 1));

  rmSync(mappe, {recursive: true, force: true});
  const tekstfiler = join(mappe, 'tekstfiler');
  const design = join(tekstfiler, 'Design og funktioner');
  mkdirSync(design, {recursive: true});
  mkdirSync(join(mappe, 'Billeder'), {recursive: true});
  // The style sheet is kept as UTF-8 beside the generator and delivered in the
  // pages' own charset; the script is the program folder's, byte for byte.
  writeFileSync(join(design, 'design.css'), cp1252Streng(readFileSync(join(designMappe, 'design.css'), 'utf8')));
  writeFileSync(join(design, 'funktioner.js'), readFileSync(join(designMappe, 'funktioner.js')));

  const linjer = (l) => l.map((x) => x + '\r\n').join('');
  const niveau = new Map([[rod, 0]]);
  for (const e of alle) for (const b of e.born) niveau.set(b, niveau.get(e) + 1);
  writeFileSync(join(mappe, 'struktur.txt'),
      cp1252Streng(linjer(alle.map((e) => '\t'.repeat(niveau.get(e)) + e.tekst))));
  writeFileSync(join(mappe, 'data.txt'), cp1252Streng(linjer(alle.map((e) => `${e.ikon}${e.side}`))));
  let bytes = 0;
  for (const e of alle) {
    const gruppe = efterTekst.get(foldAZ(e.indhold.opslag ?? e.tekst));
    const samme = gruppe[0] === e ? gruppe.slice(1) : [];
    const side = cp1252Side(sideHtml(e, samme));
    bytes += side.length;
    writeFileSync(join(tekstfiler, `${e.side}.html`), side);
  }
  return {elementer: alle.length, bytes};
}

// Related names that exist in this structure, first match, without the page itself.
export function findere(rod) {
  const efterTekst = new Map();
  for (const e of foerstForst(rod)) {
    const k = foldAZ(e.tekst);
    if (!efterTekst.has(k)) efterTekst.set(k, e);
  }
  return (navn) => efterTekst.get(foldAZ(navn));
}

// Every compatibility key the support data knows.
export const kompatNoegler = () => [...stoette.keys()];
