// Writes the tag and attribute lists of the program folder from well-kept
// npm name lists. The output is committed, so building the program needs no npm.
//
// Regenerate:  cd tools && npm ci && node lav-lister.mjs
//
// Every file is plain ASCII (a subset of Windows-1252), one name per line,
// CR LF after every line, sorted, without duplicates and without empty lines.

import {mkdirSync, readdirSync, rmSync, writeFileSync} from 'node:fs';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

import {htmlElementAttributes} from 'html-element-attributes';
import {htmlEventAttributes} from 'html-event-attributes';
import {htmlTagNames} from 'html-tag-names';
import {htmlVoidElements} from 'html-void-elements';
import {createRequire} from 'node:module';

const kraev = createRequire(import.meta.url);
const cssEgenskaber = kraev('mdn-data/css/properties.json');
const cssSyntakser = kraev('mdn-data/css/syntaxes.json');
const domArv = kraev('mdn-data/api/inheritance.json');

const programDir = join(dirname(fileURLToPath(import.meta.url)), '..', 'data', 'Program');
const htmlDir = join(programDir, 'Dir', 'Html');
const attrDir = join(programDir, 'Dir', 'Attributes');
const cssDir = join(programDir, 'Dir', 'Css');
const jsDir = join(programDir, 'Dir', 'Js');

// Elements that are obsolete or deprecated in current HTML. They stay out of
// MedSlutkode.txt (and so out of AlleKoder.txt), which makes the unknown-code
// check point them out in old pages.
const FORAELDEDE = [
  'acronym', 'applet', 'basefont', 'bgsound', 'big', 'blink', 'center', 'command',
  'content', 'dir', 'element', 'font', 'frame', 'frameset', 'image', 'isindex',
  'keygen', 'listing', 'marquee', 'menuitem', 'multicol', 'nextid', 'nobr',
  'noembed', 'noframes', 'plaintext', 'rb', 'rbc', 'rtc', 'shadow', 'spacer',
  'strike', 'tt', 'xmp',
];

// Void elements go to UdenSlutkode.txt all of them, obsolete ones included:
// such a tag never takes an end tag, and knowing that keeps the tag tree of an
// old page (<param>, <frame>, <keygen>) from hanging everything after it below
// a tag that is never closed.

// Names the tag reader skips entirely: the element names of inline SVG and
// MathML that are not HTML names. Their content is drawing or formula markup,
// not page structure; left in, every <path ...> or <mi> would become an
// unknown, never-closed node and bury the rest of the page in the check tree.
// <svg> and <math> themselves are HTML elements and stay visible. Names shared
// with HTML (a, script, style, title, image) are removed below so they are
// never skipped.
const SVG = [
  'animate', 'animateMotion', 'animateTransform', 'circle', 'clipPath', 'defs', 'desc',
  'ellipse', 'feBlend', 'feColorMatrix', 'feComponentTransfer', 'feComposite',
  'feConvolveMatrix', 'feDiffuseLighting', 'feDisplacementMap', 'feDistantLight',
  'feDropShadow', 'feFlood', 'feFuncA', 'feFuncB', 'feFuncG', 'feFuncR',
  'feGaussianBlur', 'feImage', 'feMerge', 'feMergeNode', 'feMorphology', 'feOffset',
  'fePointLight', 'feSpecularLighting', 'feSpotLight', 'feTile', 'feTurbulence',
  'filter', 'foreignObject', 'g', 'line', 'linearGradient', 'marker', 'mask',
  'metadata', 'mpath', 'path', 'pattern', 'polygon', 'polyline', 'radialGradient',
  'rect', 'set', 'stop', 'switch', 'symbol', 'text', 'textPath', 'tspan', 'use', 'view',
];
const MATHML = [
  'annotation', 'annotation-xml', 'maction', 'menclose', 'merror', 'mfenced', 'mfrac',
  'mi', 'mmultiscripts', 'mn', 'mo', 'mover', 'mpadded', 'mphantom', 'mprescripts',
  'mroot', 'mrow', 'ms', 'mspace', 'msqrt', 'mstyle', 'msub', 'msubsup', 'msup',
  'mtable', 'mtd', 'mtext', 'mtr', 'munder', 'munderover', 'none', 'semantics',
];

// Global attributes the name list leaves out but every page may use.
const EKSTRA_GLOBALE = ['role'];

// A few element attributes the name list leaves out.
const EKSTRA_ATTRIBUTTER = {
  html: ['xmlns'],
  svg: ['height', 'preserveAspectRatio', 'viewBox', 'width', 'xmlns'],
  math: ['display', 'xmlns'],
};

// Event handlers of the window; valid only on <body> (and the obsolete <frameset>).
const VINDUESHAENDELSER = [
  'onafterprint', 'onbeforeprint', 'onbeforeunload', 'onhashchange', 'onlanguagechange',
  'onmessage', 'onmessageerror', 'onoffline', 'ononline', 'onpagehide', 'onpageshow',
  'onpopstate', 'onrejectionhandled', 'onstorage', 'onunhandledrejection', 'onunload',
];
const VINDUESELEMENTER = ['body', 'frameset'];

// The two event files are added to every tag's list by the attribute check.
// Names missing from the event list (the non-standard onsearch) are dropped.
const FORMULARHAENDELSER = [
  'onblur', 'onchange', 'oncontextmenu', 'onfocus', 'onformdata', 'oninput', 'oninvalid',
  'onreset', 'onsearch', 'onselect', 'onsubmit',
];
const MEDIEHAENDELSER = [
  'onabort', 'oncanplay', 'oncanplaythrough', 'oncuechange', 'ondurationchange',
  'onemptied', 'onended', 'onerror', 'onloadeddata', 'onloadedmetadata', 'onloadstart',
  'onpause', 'onplay', 'onplaying', 'onprogress', 'onratechange', 'onseeked',
  'onseeking', 'onstalled', 'onsuspend', 'ontimeupdate', 'onvolumechange', 'onwaiting',
];

// Attribute exceptions: prefixes and names outside the element lists that a
// page may use freely (custom data, accessibility). Kept for the tag component;
// the attribute check does not consult it.
const UNDTAGELSER = ['aria-', 'data-', 'role'];

const sorteret = (navne) => {
  const set = new Map();
  for (const n of navne) {
    const key = n.toLowerCase();
    if (!set.has(key)) set.set(key, n);
  }
  return [...set.values()].sort((a, b) => {
    const x = a.toLowerCase();
    const y = b.toLowerCase();
    return x < y ? -1 : x > y ? 1 : 0;
  });
};

const skriv = (fil, navne) => {
  const linjer = sorteret(navne);
  for (const n of linjer) {
    if (n === '' || !/^[\x21-\x7e]+$/.test(n)) throw new Error(`${fil}: bad name "${n}"`);
  }
  writeFileSync(fil, Buffer.from(linjer.map((n) => n + '\r\n').join(''), 'latin1'));
  return linjer;
};

const kendteHaendelser = new Set(htmlEventAttributes);
const kunKendte = (navne) => navne.filter((n) => kendteHaendelser.has(n));

const void_ = new Set(htmlVoidElements);
const foraeldede = new Set(FORAELDEDE);
const medSlutkode = htmlTagNames.filter((t) => !void_.has(t) && !foraeldede.has(t));
const udenSlutkode = [...htmlVoidElements];
const alle = [...medSlutkode, ...udenSlutkode];

for (const krav of ['script', 'style', 'p', 'li', 'td', 'div', 'html', 'head', 'body']) {
  if (!medSlutkode.includes(krav)) throw new Error(`MedSlutkode lacks ${krav}`);
}
if (alle.some((t) => t.startsWith('!'))) throw new Error('a doctype slipped into the tag lists');

const htmlNavne = new Set(htmlTagNames);
const ekskluderet = [...SVG, ...MATHML].filter((n) => !htmlNavne.has(n.toLowerCase()));

mkdirSync(htmlDir, {recursive: true});
mkdirSync(attrDir, {recursive: true});
skriv(join(htmlDir, 'UdenSlutkode.txt'), udenSlutkode);
skriv(join(htmlDir, 'MedSlutkode.txt'), medSlutkode);
skriv(join(htmlDir, 'AlleKoder.txt'), alle);
skriv(join(htmlDir, 'Ekskluderet.txt'), ekskluderet);

// The attribute folder is generated whole: stale files of removed tags go.
for (const f of readdirSync(attrDir)) {
  if (f.endsWith('.txt')) rmSync(join(attrDir, f));
}

const vindue = new Set(VINDUESHAENDELSER);
const generelleHaendelser = htmlEventAttributes.filter((n) => !vindue.has(n));
const globale = [...htmlElementAttributes['*'], ...EKSTRA_GLOBALE, ...generelleHaendelser];
for (const tag of sorteret(alle)) {
  const egne = htmlElementAttributes[tag] ?? [];
  const ekstra = EKSTRA_ATTRIBUTTER[tag] ?? [];
  const vinduet = VINDUESELEMENTER.includes(tag) ? kunKendte(VINDUESHAENDELSER) : [];
  skriv(join(attrDir, `${tag}.txt`), [...egne, ...ekstra, ...globale, ...vinduet]);
}
skriv(join(attrDir, '_formEvents.txt'), kunKendte(FORMULARHAENDELSER));
skriv(join(attrDir, '_mediaEvents.txt'), kunKendte(MEDIEHAENDELSER));
skriv(join(attrDir, '_undtagelser.txt'), UNDTAGELSER);

console.log(
  `${medSlutkode.length} med slutkode, ${udenSlutkode.length} uden slutkode, ` +
  `${ekskluderet.length} ekskluderet, ${alle.length} attributfiler`);

// The editors' completion lists. The design editor: the current CSS property
// names, and per property the keywords its value syntax allows (the named
// syntaxes and other properties it refers to followed to their keywords).
const CSS_FAELLES = ['inherit', 'initial', 'revert', 'unset'];
const syntaksOrd = (syntaks, set, set_) => {
  for (const m of syntaks.matchAll(/<'?([a-z0-9-]+)(?:\(\))?'?(?: \[[^\]]*\])?>|([a-zA-Z][a-zA-Z0-9-]*)(?![(a-zA-Z0-9-])/g)) {
    if (m[2] !== undefined) {
      set.add(m[2]);
      continue;
    }
    const navn = m[1];
    if (set_.has(navn)) continue;
    set_.add(navn);
    const under = cssSyntakser[navn]?.syntax ?? cssEgenskaber[navn]?.syntax;
    if (under) syntaksOrd(under, set, set_);
  }
};
const egenskaber = Object.keys(cssEgenskaber).filter(
  (n) => /^[a-z][a-z-]*$/.test(n) &&
    ['standard', 'experimental'].includes(cssEgenskaber[n].status ?? 'standard'));
const vaerdiLinjer = [];
for (const navn of sorteret(egenskaber)) {
  const ord = new Set();
  syntaksOrd(cssEgenskaber[navn].syntax, ord, new Set());
  const liste = sorteret([...ord].filter((o) => /^[a-z][a-z0-9-]*$/.test(o)).concat(CSS_FAELLES));
  vaerdiLinjer.push(`${navn}:${liste.join(' ')}`);
}
mkdirSync(cssDir, {recursive: true});
skriv(join(cssDir, 'Egenskaber.txt'), egenskaber);
writeFileSync(join(cssDir, 'Vaerdier.txt'),
  Buffer.from(vaerdiLinjer.map((l) => l + '\r\n').join(''), 'latin1'));

// The functions editor: the names of the browser's interfaces, and the
// objects a page script starts from. The keywords come from the editor itself.
const GLOBALE_OBJEKTER = [
  'console', 'document', 'history', 'localStorage', 'location', 'navigator', 'sessionStorage',
  'window', 'alert', 'confirm', 'prompt', 'setTimeout', 'setInterval', 'clearTimeout',
  'clearInterval', 'addEventListener', 'getElementById', 'querySelector', 'querySelectorAll',
  'innerHTML', 'textContent', 'createElement', 'appendChild',
];
const domNavne = new Set(Object.keys(domArv));
for (const v of Object.values(domArv)) if (v.inherits) domNavne.add(v.inherits);
mkdirSync(jsDir, {recursive: true});
// Case tells Document (the interface) from document (the object): both stay.
const jsNavne = [...new Set([...domNavne, ...GLOBALE_OBJEKTER])].sort();
writeFileSync(join(jsDir, 'Navne.txt'), Buffer.from(jsNavne.map((n) => n + '\r\n').join(''), 'latin1'));
console.log(`${egenskaber.length} CSS-egenskaber, ${domNavne.size} DOM-navne`);
