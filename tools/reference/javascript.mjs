// The structure "JavaScript": the language's keywords, the built-in objects
// with their members, and the DOM interfaces a page script uses.

import idl from '@webref/idl';
import globals from 'globals';

import {Element, IKON, advarsel, alfabetisk, esc, findere, foerstForst, foldAZ, kompatNoegler, sidenavn, understoettelse} from './felles.mjs';
import {laesSignaturer} from './signaturer.mjs';

// Keyword, what it does, syntax, example, support key.
const NOEGLEORD = [
  ['async', 'gør en funktion asynkron, så den kan vente med await og altid giver et løfte (Promise) tilbage', 'async function navn() { … }', 'async function hent() {\n  const svar = await fetch("data.json");\n  return svar.json();\n}', 'statements.async_function'],
  ['await', 'venter inde i en async-funktion på, at et løfte (Promise) bliver indfriet', 'const værdi = await løfte;', 'const svar = await fetch("data.json");', 'operators.await'],
  ['break', 'springer ud af den nærmeste løkke eller switch', 'break;', 'for (const ord of ordene) {\n  if (ord === "stop") break;\n}', 'statements.break'],
  ['case', 'er et af tilfældene i en switch', 'case værdi:', 'switch (dag) {\n  case 0: tekst = "søndag"; break;\n}', 'statements.switch'],
  ['catch', 'fanger en fejl fra en try-blok', 'try { … } catch (fejl) { … }', 'try {\n  JSON.parse(tekst);\n} catch (fejl) {\n  console.log("Ikke gyldig JSON");\n}', 'statements.try_catch'],
  ['class', 'definerer en klasse: en skabelon for objekter med egne metoder', 'class Navn { constructor() { … } }', 'class Dag {\n  constructor(dato) { this.dato = dato; }\n}', 'classes'],
  ['const', 'erklærer en konstant: et navn, der ikke kan gives en ny værdi', 'const navn = værdi;', 'const dage = ["man", "tir", "ons"];', 'statements.const'],
  ['continue', 'springer resten af løkkens krop over og går videre med næste gennemløb', 'continue;', 'for (const n of tal) {\n  if (n < 0) continue;\n  sum += n;\n}', 'statements.continue'],
  ['debugger', 'standser programmet, hvis udviklerværktøjerne er åbne', 'debugger;', 'debugger;', 'statements.debugger'],
  ['default', 'er tilfældet i en switch, der bruges, når intet andet passer', 'default:', 'switch (vejr) {\n  case "sol": tekst = "Dejligt"; break;\n  default: tekst = "Nå";\n}', 'statements.switch'],
  ['delete', 'fjerner en egenskab fra et objekt', 'delete objekt.egenskab;', 'delete person.alder;', 'operators.delete'],
  ['do', 'starter en løkke, der kører mindst én gang og gentages, så længe betingelsen er sand', 'do { … } while (betingelse);', 'let i = 0;\ndo {\n  i++;\n} while (i < 3);', 'statements.do_while'],
  ['else', 'er den del af en if, der køres, når betingelsen er falsk', 'if (betingelse) { … } else { … }', 'if (time < 12) {\n  hilsen = "God morgen";\n} else {\n  hilsen = "God dag";\n}', 'statements.if_else'],
  ['export', 'gør en funktion eller værdi tilgængelig for andre moduler', 'export function navn() { … }', 'export const version = 2;', 'statements.export'],
  ['extends', 'lader en klasse bygge videre på en anden', 'class Ny extends Gammel { … }', 'class Fødselsdag extends Dag { }', 'classes.extends'],
  ['false', 'er den logiske værdi falsk', 'false', 'let færdig = false;', null],
  ['finally', 'er en blok efter try og catch, der altid køres', 'try { … } finally { … }', 'try {\n  gem();\n} finally {\n  knap.disabled = false;\n}', 'statements.try_catch'],
  ['for', 'gentager en blok: med en tæller, for hvert element (for … of) eller for hver egenskab (for … in)', 'for (let i = 0; i < n; i++) { … }', 'for (let i = 1; i <= 3; i++) {\n  console.log(i);\n}', 'statements.for'],
  ['function', 'definerer en funktion: et stykke kode med et navn, som kan kaldes', 'function navn(parameter) { … }', 'function hils(navn) {\n  return "Hej " + navn;\n}', 'statements.function'],
  ['if', 'kører en blok kun, når en betingelse er sand', 'if (betingelse) { … }', 'if (tekst === "") {\n  alert("Skriv noget");\n}', 'statements.if_else'],
  ['import', 'henter funktioner og værdier fra et andet modul', 'import { navn } from "./fil.js";', 'import { version } from "./data.js";', 'statements.import'],
  ['in', 'tester, om et objekt har en egenskab med et bestemt navn', '"navn" in objekt', 'const person = {navn: "Ida", alder: 9};\nif ("alder" in person) {\n  console.log("Alderen er kendt");\n}', 'operators.in'],
  ['instanceof', 'tester, om et objekt er lavet af en bestemt klasse', 'objekt instanceof Klasse', 'try {\n  null.længde;\n} catch (fejl) {\n  if (fejl instanceof TypeError) console.log("Forkert type");\n}', 'operators.instanceof'],
  ['let', 'erklærer en variabel, der kun gælder i den blok, hvor den står', 'let navn = værdi;', 'let antal = 0;\nantal = antal + 1;', 'statements.let'],
  ['new', 'laver et nyt objekt ud fra en klasse eller konstruktør', 'new Klasse(argumenter)', 'const nu = new Date();', 'operators.new'],
  ['null', 'er værdien "ingen værdi", sat med vilje', 'null', 'let valgt = null;', 'operators.null'],
  ['of', 'går i en for … of-løkke igennem elementerne i en liste eller anden samling', 'for (const x of liste) { … }', 'for (const dag of ["lør", "søn"]) {\n  console.log(dag);\n}', 'statements.for_of'],
  ['return', 'afslutter en funktion og giver en værdi tilbage', 'return værdi;', 'function dobbelt(n) {\n  return n * 2;\n}', 'statements.return'],
  ['static', 'gør en metode eller egenskab til en del af selve klassen i stedet for dens objekter', 'static navn() { … }', 'class Kalender {\n  static idag() { return new Date(); }\n}', 'classes.static'],
  ['super', 'kalder konstruktøren eller en metode i den klasse, som en klasse bygger videre på', 'super(argumenter)', 'class Fødselsdag extends Dag {\n  constructor(dato) { super(dato); }\n}', 'operators.super'],
  ['switch', 'vælger mellem flere tilfælde ud fra én værdi', 'switch (udtryk) { case værdi: … }', 'switch (måned) {\n  case 12: tekst = "jul"; break;\n  default: tekst = "";\n}', 'statements.switch'],
  ['this', 'er det objekt, som en metode er kaldt på; i en hændelsesattribut er det elementet selv', 'this', '<button onclick="this.textContent = \'Tak\'">Klik</button>', 'operators.this'],
  ['throw', 'kaster en fejl, som en catch kan fange', 'throw new Error("besked");', 'if (!navn) throw new Error("Navnet mangler");', 'statements.throw'],
  ['true', 'er den logiske værdi sand', 'true', 'let synlig = true;', null],
  ['try', 'prøver en blok og lader catch tage sig af en fejl', 'try { … } catch (fejl) { … }', 'try {\n  gem();\n} catch (fejl) {\n  alert("Kunne ikke gemme");\n}', 'statements.try_catch'],
  ['typeof', 'giver typen af en værdi som tekst, fx "number" eller "string"', 'typeof værdi', 'const alder = 9;\nif (typeof alder === "number") {\n  console.log("Et tal");\n}', 'operators.typeof'],
  ['var', 'erklærer en variabel på den gamle måde; brug hellere let eller const', 'var navn = værdi;', 'var antal = 0;', 'statements.var'],
  ['void', 'beregner et udtryk og giver undefined', 'void udtryk', 'void 0', 'operators.void'],
  ['while', 'gentager en blok, så længe en betingelse er sand', 'while (betingelse) { … }', 'let n = 3;\nwhile (n > 0) {\n  n--;\n}', 'statements.while'],
  ['yield', 'giver en værdi fra en generatorfunktion og holder pause', 'yield værdi;', 'function* tæl() {\n  yield 1;\n  yield 2;\n}', 'operators.yield'],
];

const OBJEKTER = {
  Array: 'en liste af værdier i rækkefølge', String: 'en tekst', Number: 'et tal', Math: 'matematiske funktioner og konstanter',
  JSON: 'omsætning mellem objekter og tekst i formatet JSON', Object: 'grundlaget for alle objekter', Date: 'en dato og et klokkeslæt',
  Promise: 'et løfte om en værdi, der kommer senere', Map: 'en samling af nøgler og værdier', Set: 'en samling af forskellige værdier',
  RegExp: 'et regulært udtryk til at finde mønstre i tekst', Boolean: 'en sand eller falsk værdi', Symbol: 'en unik nøgle',
  Error: 'en fejl', BigInt: 'et helt tal uden størrelsesgrænse', Intl: 'sprog- og landetilpasset formatering af tal og datoer',
  Function: 'en funktion', Reflect: 'funktioner til at arbejde med objekters egenskaber', Proxy: 'et objekt, der kan opsnappe handlinger på et andet',
  parseInt: 'omsætter en tekst til et helt tal', parseFloat: 'omsætter en tekst til et kommatal', isNaN: 'tester, om en værdi ikke er et tal',
  isFinite: 'tester, om en værdi er et endeligt tal', encodeURIComponent: 'koder en tekst til brug i en adresse',
  decodeURIComponent: 'afkoder en tekst fra en adresse', encodeURI: 'koder en hel adresse', decodeURI: 'afkoder en hel adresse',
  NaN: 'værdien "ikke et tal"', Infinity: 'værdien uendelig', undefined: 'værdien "ikke defineret"', globalThis: 'det globale objekt; i en side er det vinduet',
  eval: 'kører en tekst som JavaScript; undgå den', WeakMap: 'en samling af nøgler og værdier, hvor nøglerne kan ryddes op',
  WeakSet: 'en samling af objekter, der kan ryddes op', ArrayBuffer: 'et stykke rå hukommelse', DataView: 'et vindue ind i en ArrayBuffer',
  Iterator: 'grundlaget for alt, der kan gennemløbes',
  AggregateError: 'flere fejl samlet i én, fx fra Promise.any', AsyncDisposableStack: 'en stak af ting, der skal ryddes op asynkront',
  Atomics: 'funktioner til sikker deling af hukommelse mellem tråde', BigInt64Array: 'en liste af store heltal med fortegn (64 bit)',
  BigUint64Array: 'en liste af store heltal uden fortegn (64 bit)', DisposableStack: 'en stak af ting, der skal ryddes op',
  EvalError: 'en fejl fra eval', FinalizationRegistry: 'besked, når et objekt er ryddet op', Float32Array: 'en liste af kommatal (32 bit)',
  Float64Array: 'en liste af kommatal (64 bit)', Int16Array: 'en liste af heltal (16 bit)', Int32Array: 'en liste af heltal (32 bit)',
  Int8Array: 'en liste af heltal (8 bit)', RangeError: 'en fejl, når et tal er uden for det tilladte område',
  ReferenceError: 'en fejl, når et navn ikke findes', SharedArrayBuffer: 'hukommelse, som flere tråde deler',
  SuppressedError: 'en fejl, der opstod under oprydning efter en anden fejl', SyntaxError: 'en fejl i skrivemåden, fx fra JSON.parse',
  TypeError: 'en fejl, når en værdi har en forkert type', Uint16Array: 'en liste af heltal uden fortegn (16 bit)',
  Uint32Array: 'en liste af heltal uden fortegn (32 bit)', Uint8Array: 'en liste af bytes', Uint8ClampedArray: 'en liste af bytes, der holdes mellem 0 og 255',
  URIError: 'en fejl fra encodeURI eller decodeURI', WeakRef: 'en svag henvisning til et objekt, der kan ryddes op',
};
// Members the data still lists but which old pages only should use.
const FORAELDEDE = new Set(['anchor', 'big', 'blink', 'bold', 'fixed', 'fontcolor', 'fontsize', 'italics', 'link', 'small',
  'strike', 'sub', 'sup', 'substr', 'trimLeft', 'trimRight', 'getYear', 'setYear', 'toGMTString', 'escape', 'unescape', 'compile']);
const MED_MEDLEMMER = ['Array', 'String', 'Number', 'Math', 'JSON', 'Object', 'Date', 'Promise', 'Map', 'Set', 'RegExp',
  'Boolean', 'Symbol', 'Error', 'Intl', 'Function', 'BigInt'];

// DOM interfaces in the order the tree shows them. A member found in two
// interfaces is looked up to the first, so the ones a page script meets
// most come first. Each: name, short noun phrase, what it is, the variable
// the examples use and the line that gets it (for events: the listener
// the example runs in).
const LYT = (type) => [`document.addEventListener("${type}", (hændelse) => {`, '});'];
const DOM = [
  ['Document', 'dokumentet', 'dokumentet: hele siden, som scriptet ser den', 'document'],
  ['Element', 'et element', 'et element på siden, fx et afsnit eller en knap', 'element', 'const element = document.querySelector("p");'],
  ['HTMLElement', 'et HTML-element', 'et HTML-element med de egenskaber, alle HTML-koder har', 'element', 'const element = document.querySelector("p");'],
  ['HTMLInputElement', 'et indtastningsfelt', 'et indtastningsfelt (input)', 'felt', 'const felt = document.querySelector("input");'],
  ['Node', 'en node', 'et punkt i sidens træ: et element, en tekst eller en kommentar', 'node', 'const node = document.body.firstChild;'],
  ['EventTarget', 'alt, der kan modtage hændelser', 'alt, der kan modtage hændelser, fx elementer, dokumentet og vinduet', 'knap', 'const knap = document.querySelector("button");'],
  ['Event', 'en hændelse', 'en hændelse, fx et klik eller en tast', 'hændelse', LYT('click')],
  ['MouseEvent', 'en musehændelse', 'en hændelse fra musen', 'hændelse', LYT('click')],
  ['KeyboardEvent', 'en tastaturhændelse', 'en hændelse fra tastaturet', 'hændelse', LYT('keydown')],
  ['DOMTokenList', 'en liste af ord', 'en liste af ord, fx elementets klasser i classList', 'element.classList', 'const element = document.querySelector("p");'],
  ['NodeList', 'en liste af noder', 'en liste af noder, fx resultatet af querySelectorAll', 'liste', 'const liste = document.querySelectorAll("p");'],
  ['HTMLCollection', 'en levende liste af elementer', 'en levende liste af elementer, der følger med, når siden ændres', 'liste', 'const liste = document.getElementsByTagName("p");'],
  ['CSSStyleDeclaration', 'et elements style', 'et elements style: udseendet sat direkte på elementet', 'element.style', 'const element = document.querySelector("p");'],
  ['HTMLFormElement', 'en formular', 'en formular (form)', 'formular', 'const formular = document.querySelector("form");'],
  ['HTMLImageElement', 'et billede', 'et billede (img)', 'billede', 'const billede = document.querySelector("img");'],
  ['HTMLCanvasElement', 'en tegneflade', 'en tegneflade (canvas)', 'tegneflade', 'const tegneflade = document.querySelector("canvas");'],
  ['Location', 'sidens adresse', 'sidens adresse, delt op i protokol, vært, sti og resten', 'location'],
  ['History', 'vinduets historik', 'vinduets historik: siderne, der er besøgt i fanen', 'history'],
  ['Storage', 'det lokale lager', 'lokalt lager, som gemmer tekst mellem besøg (localStorage)', 'localStorage'],
  ['Window', 'browservinduet', 'browservinduet; dets egenskaber og metoder, fx alert og setTimeout, kan bruges uden at skrive window foran', 'window'],
  ['console', 'konsollen', 'konsollen i udviklerværktøjerne, hvor et script kan skrive beskeder', 'console'],
  ['HTMLSelectElement', 'en rulleliste', 'en rulleliste (select)', 'valg', 'const valg = document.querySelector("select");'],
  ['HTMLTextAreaElement', 'et tekstfelt med flere linjer', 'et tekstfelt med flere linjer (textarea)', 'tekstfelt', 'const tekstfelt = document.querySelector("textarea");'],
  ['HTMLButtonElement', 'en knap', 'en knap (button)', 'knap', 'const knap = document.querySelector("button");'],
  ['HTMLMediaElement', 'en afspiller', 'en afspiller af lyd eller video: det, audio og video har til fælles', 'afspiller', 'const afspiller = document.querySelector("video");'],
  ['HTMLVideoElement', 'en video', 'en video (video)', 'video', 'const video = document.querySelector("video");'],
  ['HTMLAudioElement', 'en lydafspiller', 'en lydafspiller (audio)', 'lyd', 'const lyd = document.querySelector("audio");'],
  ['HTMLDialogElement', 'et dialogvindue', 'et dialogvindue (dialog), der kan åbnes over siden', 'dialog', 'const dialog = document.querySelector("dialog");'],
  ['CanvasRenderingContext2D', 'tegneværktøjet', 'tegneværktøjet, som tegner streger, figurer og tekst på en tegneflade', 'tegning', 'const tegning = document.querySelector("canvas").getContext("2d");'],
  ['Response', 'svaret fra fetch', 'svaret på en hentning med fetch', 'svar', 'const svar = await fetch("data.json");'],
  ['FormData', 'indholdet af en formular', 'indholdet af en formular som par af navne og værdier', 'data', 'const data = new FormData(document.querySelector("form"));'],
  ['URLSearchParams', 'parametrene i en adresse', 'parametrene i en adresse, det efter ?', 'parametre', 'const parametre = new URLSearchParams("dag=lørdag&vejr=sol");'],
  ['CustomEvent', 'en egen hændelse', 'en hændelse, du selv laver og sender, med dine egne data i detail', 'hændelse', 'const hændelse = new CustomEvent("gemt", {detail: {dag: "lørdag"}});'],
  ['IntersectionObserver', 'en synlighedsvagt', 'en vagt, der melder, når et element kommer til syne eller forsvinder ved rulning', 'vagt', 'const vagt = new IntersectionObserver((poster) => console.log(poster));'],
  ['MutationObserver', 'en ændringsvagt', 'en vagt, der melder, når siden ændres: nye elementer, ændrede attributter eller tekst', 'vagt', 'const vagt = new MutationObserver((ændringer) => console.log(ændringer));'],
  ['AbortController', 'en afbryder', 'en afbryder, der kan stoppe en hentning med fetch eller fjerne lyttere', 'afbryder', 'const afbryder = new AbortController();'],
];
// Where a name belongs to several interfaces, the one a look-up should find;
// the others are named with their interface.
const OPSLAG = {open: 'Window', close: 'Window', add: 'DOMTokenList', clear: 'Storage'};
// The IDL files whose partial interfaces a page script meets; others add members few pages use.
const PAGE_IDL = new Set(['dom', 'html', 'cssom', 'cssom-view', 'console', 'uievents', 'fullscreen', 'fetch', 'hr-time', 'xhr', 'url', 'intersection-observer',
  'selection-api', 'web-animations', 'pointerevents', 'touch-events', 'requestidlecallback']);
const UDEN_MIXINS = new Set(['GlobalEventHandlers', 'WindowEventHandlers', 'ARIAMixin', 'ARIANotifyMixin', 'Region',
  'GeometryUtils', 'XPathEvaluatorBase', 'FontFaceSource', 'PushManagerAttribute', 'Slottable']);

function typeTekst(t) {
  if (!t) return '';
  if (typeof t === 'string') return t;
  let s;
  if (t.union) s = t.idlType.map(typeTekst).join(' or ');
  else if (t.generic) s = `${t.generic}<${t.idlType.map(typeTekst).join(', ')}>`;
  else s = typeTekst(t.idlType);
  return s + (t.nullable ? '?' : '');
}

function typeDansk(t) {
  // A union reads as its parts: "true eller false, et tal eller en tekst".
  if (t?.union) {
    const dele = [...new Set(t.idlType.map((x) => ({tal: 'et tal', tekst: 'en tekst', 'sandt eller falsk': 'true eller false'})[typeDansk(x)] ?? typeDansk(x)))];
    return dele.length < 2 ? dele.join('') : `${dele.slice(0, -1).join(', ')} eller ${dele.at(-1)}`;
  }
  const s = typeTekst(t).replace(/\?$/, '');
  if (/^(DOMString|USVString|ByteString|CSSOMString)$/.test(s) || /TrustedHTML|TrustedScript/.test(s)) return 'tekst';
  if (s === 'boolean') return 'sandt eller falsk';
  if (/^(unsigned )?(long long|long|short)$|^(unrestricted )?(double|float)$|^octet$/.test(s)) return 'tal';
  if (s === 'undefined') return 'intet';
  if (s === 'any') return 'en hvilken som helst værdi';
  if (s === 'object') return 'et objekt';
  if (/^Promise</.test(s)) return 'et løfte (Promise)';
  if (/^(sequence|FrozenArray)</.test(s)) return 'en liste';
  if (/^[A-Z]\w*$/.test(s)) return `et <code>${esc(s)}</code>-objekt`;
  return `<code>${esc(s)}</code>`;
}

// A value of each built-in type to call the examples on: variable name, how
// the lead names it, and the code that makes it.
const VAERDI = {
  Array: ['liste', 'en liste (Array)', '["sol", "regn", "sne"]'],
  String: ['tekst', 'en tekst (String)', '"God morgen"'],
  Number: ['tal', 'et tal (Number)', '3.14159'],
  Date: ['dato', 'en dato (Date)', 'new Date(2024, 11, 24)'],
  Promise: ['løfte', 'et løfte (Promise)', 'Promise.resolve(42)'],
  Map: ['samling', 'en samling af nøgler og værdier (Map)', 'new Map([["mandag", "sol"]])'],
  Set: ['mængde', 'en mængde af forskellige værdier (Set)', 'new Set(["sol", "regn"])'],
  RegExp: ['mønster', 'et regulært udtryk (RegExp)', '/sol/g'],
  Boolean: ['sandhed', 'en sandhedsværdi (Boolean)', 'true'],
  Symbol: ['symbol', 'et symbol (Symbol)', 'Symbol("id")'],
  Error: ['fejl', 'en fejl (Error)', 'new Error("Noget gik galt")'],
  Object: ['objekt', 'ethvert objekt', '{dag: "lørdag", vejr: "sol"}'],
  Function: ['funktion', 'en funktion', 'function hils(navn) { return "Hej " + navn; }'],
  BigInt: ['heltal', 'et stort heltal (BigInt)', '12n'],
};

const signaturer = laesSignaturer();

// The declared signature with the fewest required arguments and plain types.
function signatur(navn, m, statisk) {
  const iface = statisk && !['Math', 'JSON'].includes(navn) ? `${navn}Constructor` : navn;
  const kandidater = signaturer.get(iface)?.get(m);
  if (!kandidater) return null;
  const krav = (x) => x.parametre.filter((p) => !p.valgfri && !p.gentages).length + (x.parametre.some((p) => /[{]/.test(p.type)) ? 0.5 : 0);
  return [...kandidater].sort((a, b) => krav(a) - krav(b))[0];
}

function giverTekst(giver) {
  if (giver === 'void') return 'den giver intet tilbage';
  if (/^boolean$|is /.test(giver)) return 'den giver true eller false';
  if (/^number$/.test(giver)) return 'den giver et tal';
  if (/^string$/.test(giver)) return 'den giver en tekst';
  if (/^Promise</.test(giver)) return 'den giver et løfte (Promise)';
  if (/\[\]$|^Array</.test(giver)) return 'den giver en liste';
  return 'den giver en værdi tilbage';
}

// An argument that fits a parameter, by its name first and then its type.
function argument(p, navn) {
  const efterNavn = {
    text: '\'{"dag": "lørdag"}\'', searchValue: '"morgen"', replaceValue: '"aften"', separator: '", "', searchString: '"morgen"', searchElement: '"sol"', locales: '"da-DK"',
    year: '2024', monthIndex: '11', month: '11', date: '24', hours: '18', minutes: '30', seconds: '0', ms: '0',
    compareFn: '(a, b) => a.localeCompare(b)', predicate: '(x) => x === "sol"', radix: '16', fractionDigits: '2',
    precision: '3', key: '"mandag"', value: '"sol"', start: '1', end: '3', index: '0', count: '2', maxLength: '20',
    fillString: '"*"', form: '"NFC"', string: '"God morgen"', pattern: '"sol"', flags: '"g"', regexp: '/o/g',
    description: '"id"', o: '{dag: "lørdag"}', obj: '{dag: "lørdag"}', target: '{}', proto: 'null', v: '"dag"', p: '"dag"',
    reason: '"fejl"', values: '[Promise.resolve(1), Promise.resolve(2)]', callbackfn: '(x) => console.log(x)',
    x: '2', y: '3', thisArg: 'null', onfulfilled: '(x) => console.log(x)', onrejected: '(fejl) => console.log(fejl)',
    iterable: '["sol", "regn"]', arrayLike: '["sol", "regn"]', entries: '[["dag", "lørdag"]]', items: '"sol"',
  };
  if (navn === 'Array' && p.navn === 'callbackfn' && /previousValue/.test(p.type)) return '(sum, x) => sum + x';
  if (efterNavn[p.navn]) return efterNavn[p.navn];
  if (/=>/.test(p.type)) return '(x) => x';
  if (/SetLike|^Set</.test(p.type)) return 'new Set(["sol"])';
  if (/^number/.test(p.type)) return '1';
  if (/^string/.test(p.type)) return '"sol"';
  if (/^boolean/.test(p.type)) return 'true';
  if (/^bigint/.test(p.type)) return '12n';
  return '"sol"';
}

const kraevede = (op) => op.arguments.filter((a) => !a.optional && !a.variadic).length;

function giverIdl(t) {
  const s = typeTekst(t).replace(/\?$/, '');
  if (s === 'undefined') return 'den giver intet tilbage';
  if (s === 'boolean') return 'den giver true eller false';
  const d = typeDansk(t);
  return `den giver ${d}`;
}

// A type as the subject of "…, som kun kan læses".
function typeSubjekt(t) {
  const s = typeTekst(t).replace(/\?$/, '');
  if (s === 'boolean') return 'true eller false';
  const d = typeDansk(t);
  return d === 'tal' ? 'et tal' : d === 'tekst' ? 'en tekst' : d;
}

// An argument that fits an IDL argument, by its name first and then its type.
function idlArgument(a) {
  const efterNavn = {
    selectors: '"p"', tagName: '"p"', localName: '"p"', type: '"click"', elementId: '"eks-id"', classNames: '"note"',
    qualifiedName: '"title"', name: '"title"', value: '"Et tip"', data: '"Hej"', text: '"Hej"', key: '"tema"', keyName: '"tema"',
    url: '"side.html"', token: '"fremhaevet"', tokens: '"fremhaevet"', message: '"Hej"', x: '10', y: '10', w: '80', h: '40',
    width: '80', height: '40', radius: '20', startAngle: '0', endAngle: '2 * Math.PI', cpx: '40', cpy: '0', handler: '() => console.log("Nu")',
    callback: '() => console.log("Nu")', listener: '() => console.log("Nu")', timeout: '1000', delay: '1000', input: '"data.json"',
    force: 'true', target: 'document.body', where: '"beforeend"', html: '"<b>Hej</b>"', event: 'new Event("gemt")',
    node: 'document.createElement("p")', child: 'document.createElement("p")', newChild: 'document.createElement("p")',
    nodes: 'document.createElement("p")', oldChild: 'document.body.firstChild', element: 'document.createElement("p")',
    id: '0', handle: '0', contextId: '"2d"', property: '"color"', label: '"tid"', index: '0', method: '"dialog"',
    title: '"Ny titel"', features: '""', string: '"Hej"', item: 'document.body', options: '{}', replacement: '"nyt"', filename: '"data.txt"', tag: '"p"',
  };
  const d = typeDansk(a.idlType);
  // The name suggests the value, the type has the last word.
  const v = efterNavn[a.name];
  if (v && d === 'tekst' && !/^"/.test(v)) return '"tekst"';
  if (v && d === 'tal' && !/^[\d.]|Math/.test(v)) return '1';
  if (v) return v;
  if (d === 'tekst') return '"tekst"';
  if (d === 'tal') return '1';
  if (d === 'sandt eller falsk') return 'true';
  if (/Node|Element/.test(typeTekst(a.idlType))) return 'document.createElement("p")';
  return '{}';
}

// A value to set a property to in its example; null where reading shows more.
function nyVaerdi(navn, t) {
  const efterNavn = {id: '"eks-id"', className: '"fremhaevet"', textContent: '"Ny tekst"', innerText: '"Ny tekst"',
    innerHTML: '"<b>Ny</b> tekst"', outerHTML: '"<p>Nyt afsnit</p>"', href: '"https://da.wikipedia.org/"', src: '"../Billeder/eksempel.svg"',
    title: '"Et tip"', value: '"Hej"', hash: '"#top"', lang: '"da"', dir: '"rtl"', width: '120', height: '60',
    alt: '"En lille tegning"', placeholder: '"Skriv her"', fillStyle: '"teal"', strokeStyle: '"teal"', font: '"16px Georgia"',
    lineWidth: '3', globalAlpha: '0.5', cssText: '"color: teal"', volume: '0.5', currentTime: '10', playbackRate: '1.5',
    returnValue: '"ok"', search: '"?dag=lørdag"', pathname: '"/dagbog/"', name: '"navn"', type: '"text"', action: '"gem.html"',
    method: '"post"', target: '"_blank"', status: '"Gemt"', hidden: 'true', srcset: '"../Billeder/eksempel.svg 1x"', cookie: '"tema=mørk"', nodeValue: '"Ny tekst"', data: '"Ny tekst"'};
  if (efterNavn[navn]) return efterNavn[navn];
  const d = typeDansk(t);
  if (d === 'sandt eller falsk') return 'true';
  if (d === 'tal') return '2';
  if (d === 'tekst') return '"ny tekst"';
  return null;
}

export async function lavJavaScript(haand) {
  const rod = new Element('JavaScript', 'JavaScript', IKON.rod, {
    kodeOverskrift: false, art: 'opslag',
    lead: ['Her kan du slå JavaScript op: sprogets nøgleord, de indbyggede objekter og de dele af DOM, som et lille script på en side bruger til at finde og ændre siden. Stå med markøren i et ord i funktionseditoren og tryk <span class="tast">Ctrl+Alt+J</span> eller <span class="knap">Js info...</span>.',
      'Dine egne funktioner står i <code>funktioner.js</code>, som alle dine sider henter.'],
    listeOverskrift: 'Grupperne',
  });
  const find = (n) => haand.get(n);

  const sprog = rod.tilfoej(new Element('Sproget', 'gruppe-sproget', IKON.gruppe, {kodeOverskrift: false, art: 'gruppe',
    lead: ['Nøgleordene er sprogets egne ord: de erklærer variabler og funktioner, træffer valg og gentager kode. De kan ikke bruges som navne på dine egne variabler.'],
    listeOverskrift: 'Nøgleordene'}));
  for (const [ord, gloss, syntaks, eks, noegle] of NOEGLEORD) {
    const e = sprog.tilfoej(new Element(ord, sidenavn('sprog', ord), IKON.info, {visNavn: ord, art: 'nøgleord'}));
    const i = e.indhold;
    i.lead = [`<code>${esc(ord)}</code> ${gloss}.`];
    i.sti = '<a href="gruppe-sproget.html">Sproget</a>';
    i.syntaks = esc(syntaks);
    i.stoette = noegle ? understoettelse(`javascript.${noegle}`) : null;
    const h = find(ord);
    if (h) {
      i.lead = h.afsnit;
      i.eksempel = {html: h.html, css: h.css, js: h.js};
      i.haandskrevet = true;
    } else {
      i.eksempel = eks.startsWith('<') ? {html: eks, vis: false} : {kode: eks};
    }
  }
  const rene = sprog.born;
  rene.sort(alfabetisk);

  // Built-ins.
  const indb = rod.tilfoej(new Element('Indbyggede objekter', 'gruppe-indbyggede', IKON.gruppe, {kodeOverskrift: false, art: 'gruppe',
    lead: ['De indbyggede objekter og funktioner findes i alle browsere uden videre: lister, tekster, tal, datoer, matematik og JSON. Metoderne på selve objektet skrives med objektets navn foran, fx <code>JSON.parse</code>; metoderne på en værdi skrives efter værdien, fx <code>liste.push(x)</code>.'],
    listeOverskrift: 'Objekterne og funktionerne'}));
  const noegler = kompatNoegler();
  const builtins = Object.keys(globals.builtin).filter((n) => !/^(Float16Array|escape|unescape)$/.test(n));
  for (const navn of builtins.sort((a, b) => alfabetisk({tekst: a}, {tekst: b}))) {
    const vaerdi = globalThis[navn];
    const art = typeof vaerdi === 'function' ? (/^[A-Z]/.test(navn) ? 'indbygget objekt' : 'global funktion') :
      typeof vaerdi === 'object' && vaerdi !== null ? 'indbygget objekt' : 'global værdi';
    const e = indb.tilfoej(new Element(navn, sidenavn('js', navn), art === 'global funktion' ? IKON.metode : art === 'global værdi' ? IKON.egenskab : IKON.objekt,
        {visNavn: navn, art}));
    const i = e.indhold;
    const om = OBJEKTER[navn];
    i.lead = [`<code>${esc(navn)}</code> er ${art === 'indbygget objekt' ? 'et indbygget objekt' : art === 'global funktion' ? 'en global funktion' : 'en global værdi'} i JavaScript${om ? `: ${om}` : ''}.`];
    i.sti = '<a href="gruppe-indbyggede.html">Indbyggede objekter</a>';
    i.syntaks = esc(art === 'global funktion' ? `${navn}(…)` : typeof vaerdi === 'function' ? `new ${navn}(…)` : navn);
    if (art === 'indbygget objekt' && typeof vaerdi === 'function' && ['Math', 'JSON', 'Reflect', 'Atomics', 'Intl'].includes(navn)) i.syntaks = esc(`${navn}.metode(…)`);
    if (['Math', 'JSON', 'Reflect', 'Atomics', 'Intl', 'Symbol', 'BigInt'].includes(navn)) i.syntaks = esc(navn === 'Symbol' || navn === 'BigInt' ? `${navn}(…)` : `${navn}.navn`);
    i.stoette = understoettelse(`javascript.builtins.${navn}`, `javascript.builtins.${navn}.${navn}`, `javascript.builtins.globals.${navn}`);
    const h = find(navn);
    if (h) {
      i.lead = h.afsnit;
      i.eksempel = {html: h.html, css: h.css, js: h.js};
      i.haandskrevet = true;
    }
    if (!MED_MEDLEMMER.includes(navn)) continue;
    const medlemmer = noegler
        .map((k) => new RegExp(`^javascript\\.builtins\\.${navn}\\.([A-Za-z][A-Za-z0-9_]*)$`).exec(k)?.[1])
        .filter((m) => m && m !== navn && !FORAELDEDE.has(m) && !/_/.test(m.replace(/^[A-Z0-9_]+$/, '')));
    const raekker = [];
    const vaerdiNavn = VAERDI[navn]?.[0] ?? 'værdi';
    for (const m of [...new Set(medlemmer)].sort((a, b) => alfabetisk({tekst: a}, {tekst: b}))) {
      // Every constructor has its own length and name; the data's ones are the values'.
      const statisk = vaerdi && Object.getOwnPropertyNames(vaerdi).includes(m) && !['length', 'name', 'prototype'].includes(m);
      const tekst = statisk ? `${navn}.${m}` : m;
      // Descriptors only: reading a getter of a prototype can throw.
      const desc = Object.getOwnPropertyDescriptor((statisk ? vaerdi : vaerdi?.prototype) ?? {}, m);
      const metode = typeof desc?.value === 'function' || (!desc && !/^[A-Z0-9_]+$/.test(m) && m !== 'length');
      const b = e.tilfoej(new Element(tekst, sidenavn('js', navn, statisk ? 's' : 'p', m), metode ? IKON.metode : IKON.egenskab,
          {visNavn: tekst, art: metode ? 'metode' : 'egenskab'}));
      const bi = b.indhold;
      const hvor = statisk ? `selve <code>${esc(navn)}</code>` : `${VAERDI[navn]?.[1] ?? `en værdi af typen <code>${esc(navn)}</code>`}`;
      const forran = statisk ? navn : vaerdiNavn;
      const sig = metode ? signatur(navn, m, statisk) : null;
      bi.sti = `<a href="${e.side}.html"><code>${esc(navn)}</code></a>`;
      bi.advarsel = advarsel(`javascript.builtins.${navn}.${m}`);
      bi.stoette = understoettelse(`javascript.builtins.${navn}.${m}`);
      if (metode) {
        bi.lead = [`<code>${esc(m)}</code> er en metode, der kaldes på ${hvor}${sig ? `; ${giverTekst(sig.giver)}` : ''}.`];
        bi.syntaks = esc(`${forran}.${m}(${sig ? sig.parametre.map((p) => p.gentages ? `...${p.navn}` : p.valgfri ? `[${p.navn}]` : p.navn).join(', ') : ''})`);
        if (sig) {
          bi.fakta = [['Argumenter', sig.parametre.length ? sig.parametre.map((p) => `<code>${esc(p.navn)}</code> ${p.gentages ? 'kan gives nul eller flere gange' : p.valgfri ? 'kan udelades' : 'skal med'}`).join('; ') : 'ingen']];
          bi.giverIntet = sig.giver === 'void';
        }
      } else {
        bi.lead = [`<code>${esc(m)}</code> er en egenskab ved ${hvor}.`];
        bi.syntaks = esc(`${forran}.${m}`);
      }
      const hh = find(tekst) ?? find(`${navn}.${m}`) ?? (statisk ? undefined : find(`${navn}.prototype.${m}`));
      if (hh) {
        bi.lead = hh.afsnit;
        bi.eksempel = {html: hh.html, css: hh.css, js: hh.js};
        bi.haandskrevet = true;
      } else {
        const foer = statisk ? '' : `const ${vaerdiNavn} = ${VAERDI[navn]?.[2] ?? 'null'};\n`;
        // Without a required argument the first optional one shows what goes in.
        const ps = sig?.parametre ?? [];
        const args = (ps.some((p) => !p.valgfri) ? ps.filter((p) => !p.valgfri) : ps.slice(0, 1)).map((p) => p.gentages ? (/^number/.test(p.type) ? '3, 7, 5' : argument(p, navn)) : argument(p, navn));
        const kald = metode ? `${forran}.${m}(${args.join(', ')})` : `${forran}.${m}`;
        bi.eksempel = !metode || sig ? {kode: foer + (bi.giverIntet ? `${kald};` : `console.log(${kald});`)} : null;
      }
      raekker.push([`<a href="${b.side}.html"><code>${esc(tekst)}</code></a>`, metode ? 'metode' : 'egenskab']);
    }
    i.tabel = {overskrift: 'Metoder og egenskaber', koloner: ['Navn', 'Art'], raekker};
  }

  // DOM.
  const dom = rod.tilfoej(new Element('DOM', 'gruppe-dom', IKON.gruppe, {kodeOverskrift: false, art: 'gruppe',
    lead: ['DOM er browserens model af siden: hvert element er et objekt, som et script kan finde, læse og ændre. Her står de interfaces, et lille script bruger mest, med alle deres metoder og egenskaber.'],
    listeOverskrift: 'Interfaces'}));
  const alle = await idl.parseAll();
  const defs = new Map();
  const inkl = new Map();
  for (const [idlFil, ast] of Object.entries(alle)) {
    for (const d of ast) {
      if (d.type === 'includes') {
        if (!inkl.has(d.target)) inkl.set(d.target, []);
        inkl.get(d.target).push(d.includes);
        continue;
      }
      if (!d.name || !d.members) continue;
      if (d.partial && !PAGE_IDL.has(idlFil)) continue;
      if (!defs.has(d.name)) defs.set(d.name, []);
      defs.get(d.name).push(d);
    }
  }
  const medlemmerAf = (navn) => {
    const ud = [];
    for (const d of defs.get(navn) ?? []) for (const m of d.members) ud.push(m);
    for (const mix of inkl.get(navn) ?? []) {
      if (UDEN_MIXINS.has(mix)) continue;
      for (const d of defs.get(mix) ?? []) for (const m of d.members) ud.push(m);
    }
    return ud;
  };
  for (const [navn, kort, om, paa, hent] of DOM) {
    const e = dom.tilfoej(new Element(navn, sidenavn('dom', navn), IKON.objekt, {visNavn: navn, art: 'DOM-interface'}));
    const i = e.indhold;
    i.lead = [`<code>${esc(navn)}</code> er ${om}.`];
    const arv = (defs.get(navn) ?? []).find((d) => d.inheritance)?.inheritance;
    i.sti = '<a href="gruppe-dom.html">DOM</a>';
    i.fakta = arv ? [['Bygger på', `<code>${esc(arv)}</code>`]] : [];
    i.stoette = understoettelse(`api.${navn}`);
    i.advarsel = advarsel(`api.${navn}`);
    const h = find(navn);
    if (h) {
      i.lead = h.afsnit;
      i.eksempel = {html: h.html, css: h.css, js: h.js};
      i.haandskrevet = true;
    }
    // The example's code inside the lines that get its variable.
    const [foer, efter] = Array.isArray(hent) ? hent : [hent, null];
    const iKode = (linje) => [foer, efter ? `  ${linje}` : linje, efter].filter(Boolean).join('\n');
    const efterNavn = new Map();
    for (const m of medlemmerAf(navn)) {
      if (!m.name || !['operation', 'attribute', 'const'].includes(m.type) || /^on/.test(m.name)) continue;
      if (m.extAttrs?.some((x) => x.name === 'LegacyUnforgeable' && m.name === 'isTrusted')) continue;
      if (!efterNavn.has(m.name)) efterNavn.set(m.name, []);
      efterNavn.get(m.name).push(m);
    }
    const raekker = [];
    for (const mNavn of [...efterNavn.keys()].sort((a, b) => alfabetisk({tekst: a}, {tekst: b}))) {
      const ms = efterNavn.get(mNavn);
      const m = ms[0];
      const metode = m.type === 'operation';
      const b = e.tilfoej(new Element(mNavn, sidenavn('dom', navn, mNavn), metode ? IKON.metode : IKON.egenskab,
          {visNavn: mNavn, art: metode ? 'metode' : m.type === 'const' ? 'konstant' : 'egenskab'}));
      const bi = b.indhold;
      const statisk = m.special === 'static';
      const foran = statisk ? navn : paa;
      const kode = statisk ? (x) => x : iKode;
      bi.sti = `<a href="${e.side}.html"><code>${esc(navn)}</code></a>`;
      if (metode) {
        // The overload with the fewest required arguments shows the call.
        const kald = [...ms].sort((x, y) => kraevede(x) - kraevede(y))[0];
        bi.lead = [`<code>${esc(mNavn)}</code> er en metode på ${kort}; ${giverIdl(m.idlType)}.`];
        bi.syntaks = ms.map((x) => esc(`${typeTekst(x.idlType)} ${foran}.${mNavn}(${x.arguments.map((a) => `${a.optional ? '[' : ''}${typeTekst(a.idlType)} ${a.name}${a.variadic ? '…' : ''}${a.optional ? ']' : ''}`).join(', ')})`)).join('\r\n');
        const args = kald.arguments;
        if (args.length) {
          bi.tabel = {overskrift: 'Argumenter', koloner: ['Navn', 'Type', 'Skal med'],
            raekker: args.map((a) => [`<code>${esc(a.name)}</code>`, typeDansk(a.idlType), a.optional ? 'nej' : a.variadic ? 'nej; kan gives flere gange' : 'ja'])};
        }
        bi.giverIntet = typeTekst(m.idlType) === 'undefined';
        // Without a required argument the first optional one shows what goes in.
        const vis = args.some((a) => !a.optional) ? args.filter((a) => !a.optional) : args.slice(0, 1);
        const udtryk = `${foran}.${mNavn}(${vis.map(idlArgument).join(', ')})`;
        bi.eksempel = {kode: kode(bi.giverIntet ? `${udtryk};` : `console.log(${udtryk});`)};
      } else {
        const kunLaes = m.readonly || m.type === 'const';
        bi.lead = [`<code>${esc(mNavn)}</code> er ${m.type === 'const' ? 'en konstant' : 'en egenskab'} ved ${kort}: ${typeSubjekt(m.idlType)}, som ${kunLaes ? 'kun kan læses' : 'både kan læses og ændres'}.`];
        bi.syntaks = esc(`${foran}.${mNavn}`);
        bi.fakta = [['Type', `<code>${esc(typeTekst(m.idlType))}</code>`], ['Kan ændres', kunLaes ? 'nej' : 'ja']];
        const ny = kunLaes ? null : nyVaerdi(mNavn, m.idlType);
        bi.eksempel = {kode: kode(ny ? `${foran}.${mNavn} = ${ny};` : `console.log(${foran}.${mNavn});`)};
      }
      bi.stoette = understoettelse(`api.${navn}.${mNavn}`, ...(inkl.get(navn) ?? []).map((x) => `api.${x}.${mNavn}`));
      bi.advarsel = advarsel(`api.${navn}.${mNavn}`, ...(inkl.get(navn) ?? []).map((x) => `api.${x}.${mNavn}`));
      const hh = find(mNavn) ?? find(`${navn}.${mNavn}`);
      if (hh) {
        bi.lead = hh.afsnit;
        bi.eksempel = {html: hh.html, css: hh.css, js: hh.js};
        bi.haandskrevet = true;
      }
      raekker.push([`<a href="${b.side}.html"><code>${esc(mNavn)}</code></a>`, bi.art]);
    }
    i.tabel = {overskrift: 'Metoder og egenskaber', koloner: ['Navn', 'Art'], raekker};
    i.relaterede = [arv, ...DOM.filter((x) => x[3] === paa && x[0] !== navn).map((x) => x[0])].filter((x) => x && DOM.some((d) => d[0] === x));
  }
  // A shared name goes to the interface a page script means by it, and an
  // interface's own name to the interface (formData must not catch FormData);
  // the others are written as Interface.prototype.name, so the look-up skips them.
  const ejere = new Map(Object.entries(OPSLAG).map(([navn, iface]) =>
    [navn, dom.born.find((x) => x.tekst === iface).born.find((x) => x.tekst === navn)]));
  for (const iface of dom.born) ejere.set(foldAZ(iface.tekst), iface);
  for (const b of [...foerstForst(rod)]) {
    const ejer = ejere.get(foldAZ(b.tekst));
    if (!ejer || ejer === b || !['metode', 'egenskab', 'konstant'].includes(b.indhold.art)) continue;
    b.indhold.opslag = b.tekst;
    // console is a namespace, not an interface with a prototype.
    b.tekst = `${b.forælder.tekst}${b.forælder.tekst === 'console' ? '' : '.prototype'}.${b.tekst}`;
    b.indhold.visNavn = b.tekst;
  }
  const finder = findere(rod);
  for (const e of dom.born) e.indhold.relaterede = (e.indhold.relaterede ?? []).map(finder).filter(Boolean);
  for (const g of rod.born) g.indhold.liste = g.born.map((b) => [b, '']);
  rod.indhold.liste = rod.born.map((g) => [g, '']);
  return {rod, find: finder};
}
