// The structure "Html5": every tag of the tag list and every attribute of the
// attribute lists, grouped, with the facts of the name lists and support data.

import {readdirSync, readFileSync} from 'node:fs';
import {join} from 'node:path';

import {htmlElementAttributes} from 'html-element-attributes';
import {htmlEventAttributes} from 'html-event-attributes';
import {htmlTagNames} from 'html-tag-names';
import elementsHtml from '@webref/elements/html.json' with {type: 'json'};

import {Element, IKON, advarsel, alfabetisk, esc, findere, sidenavn, understoettelse} from './felles.mjs';

// Tag groups in the order the tree shows them; a tag not named here lands in
// "Øvrige koder", which the generator reports.
const GRUPPER = [
  ['Dokumentet', 'Koderne, der bygger selve siden op: dokumentet, dets hoved og krop.',
    'html head body title meta link base style script noscript template slot'],
  ['Sektioner', 'Koder, der deler siden i afsnit med hver sin rolle, og overskrifterne til dem.',
    'article aside footer header h1 h2 h3 h4 h5 h6 hgroup main nav section search address'],
  ['Tekstblokke', 'Koder, der danner hele blokke af tekst: afsnit, citater og grupper.',
    'p div blockquote pre hr figure figcaption'],
  ['Tekst', 'Koder, der giver ord og sætninger inde i et afsnit en særlig betydning eller form.',
    'a abbr b bdi bdo br cite code data dfn em i kbd mark q rp rt ruby s samp small span strong sub sup time u var wbr'],
  ['Ændringer', 'Koder, der viser, hvad der er sat ind i eller taget ud af en tekst.', 'ins del'],
  ['Lister', 'Koder til punktlister, nummererede lister og lister med begreber og forklaringer.',
    'ul ol li dl dt dd menu'],
  ['Tabeller', 'Koder, der stiller data op i rækker og kolonner.',
    'table caption colgroup col thead tbody tfoot tr th td'],
  ['Formularer', 'Koder til felter, knapper og valg, som læseren kan udfylde.',
    'form label input button select datalist optgroup option textarea output progress meter fieldset legend'],
  ['Billeder og medier', 'Koder til billeder, lyd, video og tegninger.',
    'img picture source track audio video map area canvas svg math'],
  ['Indlejret indhold', 'Koder, der henter andet indhold ind på siden.', 'iframe embed object param'],
  ['Interaktive koder', 'Koder, som læseren kan folde ud eller åbne.', 'details summary dialog'],
  ['Forældede koder', 'Koder fra ældre HTML, som browserne ikke længere bør bruge. De findes her, så gamle sider kan forstås.',
    'basefont bgsound command frame image keygen'],
];

// What each tag is, as the end of the sentence "<x> ...".
const KODER = {
  a: 'er et link til en anden side, et sted på siden eller en fil',
  abbr: 'markerer en forkortelse; attributten title kan give den fulde form',
  address: 'indeholder kontaktoplysninger for siden eller et afsnit',
  area: 'er et klikbart område i et billedkort (map)',
  article: 'rummer et selvstændigt stykke indhold, fx et indlæg eller en artikel',
  aside: 'rummer indhold ved siden af hovedteksten, fx en bemærkning eller en boks',
  audio: 'afspiller lyd på siden',
  b: 'fremhæver ord med fed skrift uden at give dem ekstra vægt i betydningen',
  base: 'angiver den adresse, som alle relative links på siden regnes ud fra',
  basefont: 'satte engang standardskriften for hele siden; brug CSS i stedet',
  bdi: 'isolerer tekst, hvis skriveretning kan være en anden end resten af linjen',
  bdo: 'tvinger en bestemt skriveretning på teksten',
  bgsound: 'spillede engang baggrundslyd; brug audio i stedet',
  blockquote: 'rummer et længere citat som en blok for sig',
  body: 'rummer hele den synlige del af siden',
  br: 'er et linjeskift inde i en tekst',
  button: 'er en knap, som læseren kan trykke på',
  canvas: 'er en tegneflade, som JavaScript kan tegne på',
  caption: 'er overskriften til en tabel',
  cite: 'markerer titlen på et værk, fx en bog, en film eller en sang',
  code: 'markerer et stykke programkode i teksten',
  col: 'beskriver én kolonne i en tabel, så den kan få sit eget udseende',
  colgroup: 'samler en eller flere kolonner i en tabel',
  command: 'var en kommando i en menu; koden findes ikke længere i HTML',
  data: 'kobler et synligt indhold til en maskinlæsbar værdi',
  datalist: 'rummer forslag, som et tekstfelt kan tilbyde',
  dd: 'er forklaringen til et begreb i en begrebsliste',
  del: 'viser tekst, der er slettet fra dokumentet',
  details: 'er en boks, som læseren kan folde ud og sammen',
  dfn: 'markerer det sted, hvor et begreb bliver defineret',
  dialog: 'er et dialogvindue eller en boks, der kan åbnes over siden',
  div: 'er en neutral blok, der samler andre koder, typisk for at give dem et fælles udseende',
  dl: 'er en liste med begreber og deres forklaringer',
  dt: 'er et begreb i en begrebsliste',
  em: 'giver ord eftertryk, som man ville lægge tryk på dem i tale',
  embed: 'indlejrer indhold fra et eksternt program eller en fil',
  fieldset: 'samler felter i en formular i en gruppe med ramme',
  figcaption: 'er billedteksten til en figure',
  figure: 'rummer et billede, en tegning eller et kodeeksempel med tilhørende tekst',
  footer: 'er bunden af siden eller af et afsnit, fx med forfatter og dato',
  form: 'samler felter og knapper til en formular',
  frame: 'var en ramme i et frameset; brug iframe i stedet',
  h1: 'er en overskrift på det øverste niveau',
  h2: 'er en overskrift på andet niveau',
  h3: 'er en overskrift på tredje niveau',
  h4: 'er en overskrift på fjerde niveau',
  h5: 'er en overskrift på femte niveau',
  h6: 'er en overskrift på sjette og laveste niveau',
  head: 'er sidens hoved med titel, tegnsæt og links til design og funktioner',
  header: 'er toppen af siden eller af et afsnit, fx med overskrift og indledning',
  hgroup: 'samler en overskrift med en undertitel',
  hr: 'er et skift i emne, som browseren viser som en vandret streg',
  html: 'er hele dokumentet; alle andre koder står inden i den',
  i: 'markerer tekst i en anden stemme, fx et fremmedord eller en tanke, vist med kursiv',
  iframe: 'viser en anden side i en ramme på siden',
  image: 'er en gammel stavemåde for img; brug img',
  img: 'viser et billede',
  input: 'er et indtastningsfelt; attributten type bestemmer, hvilken slags',
  ins: 'viser tekst, der er sat ind i dokumentet',
  kbd: 'markerer taster eller noget, læseren skal skrive',
  keygen: 'lavede engang nøglepar i formularer; koden findes ikke længere i HTML',
  label: 'er teksten til et felt i en formular; et klik på den flytter markøren til feltet',
  legend: 'er overskriften til en fieldset',
  li: 'er et punkt i en liste',
  link: 'kobler siden til en anden fil, typisk et stylesheet',
  main: 'rummer sidens hovedindhold',
  map: 'er et billedkort med klikbare områder',
  mark: 'fremhæver tekst, som med en overstregningspen',
  math: 'rummer en matematisk formel skrevet i MathML',
  menu: 'er en liste af kommandoer; den vises som en punktliste',
  meta: 'giver oplysninger om siden, fx tegnsættet',
  meter: 'viser en måling inden for et kendt område, fx et batteriniveau',
  nav: 'rummer sidens vigtigste links til at finde rundt',
  noscript: 'vises kun, når JavaScript er slået fra',
  object: 'indlejrer en ekstern fil, fx en PDF',
  ol: 'er en nummereret liste',
  optgroup: 'samler valgmuligheder i en select under en overskrift',
  option: 'er en valgmulighed i en select eller en datalist',
  output: 'viser resultatet af en beregning',
  p: 'er et afsnit af tekst',
  param: 'gav engang en parameter til en object; koden er forældet',
  picture: 'tilbyder flere udgaver af et billede, som browseren vælger imellem',
  pre: 'viser tekst præcis som den er skrevet, med mellemrum og linjeskift',
  progress: 'viser, hvor langt en opgave er nået',
  q: 'er et kort citat inde i en sætning; browseren sætter selv anførselstegn',
  rp: 'er reserveparenteser om en ruby-tekst for browsere uden ruby',
  rt: 'er udtaleteksten i en ruby',
  ruby: 'viser en lille udtale- eller forklaringstekst over tegn, fx i japansk',
  s: 'viser tekst, der ikke længere er rigtig, med en streg igennem',
  samp: 'viser et eksempel på, hvad et program skriver ud',
  script: 'rummer JavaScript eller henter det fra en fil',
  search: 'rummer en søgeformular eller søgefunktion',
  section: 'er et afsnit af siden med sit eget emne, normalt med en overskrift',
  select: 'er en rulleliste med valgmuligheder',
  slot: 'er en plads i en webkomponent, som brugerens indhold sættes ind i',
  small: 'markerer småt skrevne bemærkninger, fx forbehold',
  source: 'angiver en fil til en video, en lyd eller et billede i picture',
  span: 'er en neutral kode inde i teksten, typisk for at give nogle ord et særligt udseende',
  strong: 'markerer tekst, der er særlig vigtig',
  style: 'rummer CSS direkte på siden',
  sub: 'skriver tekst sænket, fx i H<sub>2</sub>O',
  summary: 'er den synlige overskrift på en details, som man klikker på',
  sup: 'skriver tekst hævet, fx i 10<sup>3</sup>',
  svg: 'rummer en tegning i SVG direkte på siden',
  table: 'er en tabel',
  tbody: 'samler tabellens rækker med data',
  td: 'er en celle med data i en tabel',
  template: 'rummer HTML, der ikke vises, men kan kopieres ind med JavaScript',
  textarea: 'er et tekstfelt med plads til flere linjer',
  tfoot: 'samler tabellens bundrækker, fx med summer',
  th: 'er en overskriftscelle i en tabel',
  thead: 'samler tabellens overskriftsrækker',
  time: 'markerer en dato eller et klokkeslæt, så maskiner også kan læse det',
  title: 'er sidens titel, som vises på fanen og i informationsvinduets historik',
  tr: 'er en række i en tabel',
  track: 'tilføjer undertekster eller kapitler til en video',
  u: 'markerer tekst, der skal adskille sig, vist med understregning',
  ul: 'er en punktliste',
  var: 'markerer en variabel i en formel eller i kode',
  video: 'afspiller video på siden',
  wbr: 'er et sted, hvor et langt ord må deles, hvis linjen bliver for lang',
};

// Examples for tags a generic example does not suit.
const EKSEMPLER = {
  a: '<a href="https://da.wikipedia.org/">Den danske Wikipedia</a>',
  p: '<p>I dag var vi på stranden. Vandet var koldt, men solen skinnede.</p>\n<p>Om aftenen grillede vi i haven.</p>',
  div: '<div style="padding: 0.5em; background-color: #eef3f8">\n  <p>Et afsnit inden i en div.</p>\n</div>',
  area: '<map name="eks-kort">\n  <area shape="rect" coords="0,0,60,40" href="#" alt="Venstre">\n</map>',
  audio: '<audio controls src="../Billeder/lyd.mp3">Lyden kan ikke afspilles.</audio>',
  br: '<p>Første linje<br>\nanden linje</p>',
  button: '<button type="button">Tryk her</button>',
  canvas: '<canvas id="eks-tegning" width="120" height="60"></canvas>',
  caption: null,
  col: '<table>\n  <colgroup><col style="background-color: #eef3f8"><col></colgroup>\n  <tr><td>Mandag</td><td>Svømning</td></tr>\n</table>',
  colgroup: '<table>\n  <colgroup><col style="background-color: #eef3f8"><col></colgroup>\n  <tr><td>Mandag</td><td>Svømning</td></tr>\n</table>',
  data: '<p>Prisen er <data value="45">fem og fyrre kroner</data>.</p>',
  datalist: '<input list="eks-frugt" placeholder="Frugt">\n<datalist id="eks-frugt">\n  <option value="Æble">\n  <option value="Pære">\n</datalist>',
  dd: null, dt: null,
  details: '<details>\n  <summary>Vis opskriften</summary>\n  <p>Tag 2 æg og 1 dl mælk.</p>\n</details>',
  dialog: '<dialog open>\n  <p>En åben dialog.</p>\n</dialog>',
  dl: '<dl>\n  <dt>Rugbrød</dt>\n  <dd>Mørkt brød af rugmel.</dd>\n</dl>',
  embed: '<embed type="image/svg+xml" src="../Billeder/eksempel.svg" width="120" height="80">',
  fieldset: '<fieldset>\n  <legend>Kontakt</legend>\n  <label>Navn <input></label>\n</fieldset>',
  figcaption: null,
  figure: '<figure>\n  <img src="../Billeder/eksempel.svg" alt="Tegning" width="120">\n  <figcaption>Et billede med billedtekst.</figcaption>\n</figure>',
  form: '<form>\n  <label>Navn <input name="navn"></label>\n  <button type="button">Send</button>\n</form>',
  hr: '<p>Før skiftet.</p>\n<hr>\n<p>Efter skiftet.</p>',
  iframe: '<iframe src="Html5.html" width="240" height="80" title="En side i en ramme"></iframe>',
  img: '<img src="../Billeder/eksempel.svg" alt="En lille tegning" width="120">',
  input: '<input type="text" placeholder="Skriv dit navn">',
  label: '<label for="eks-navn">Navn</label>\n<input id="eks-navn">',
  legend: null,
  li: null,
  map: null,
  menu: '<menu>\n  <li><button type="button">Kopier</button></li>\n  <li><button type="button">Sæt ind</button></li>\n</menu>',
  meter: '<meter value="0.7">70 %</meter>',
  object: '<object data="../Billeder/eksempel.svg" type="image/svg+xml" width="120">Tegning</object>',
  ol: '<ol>\n  <li>Tænd ovnen</li>\n  <li>Bag kagen</li>\n</ol>',
  optgroup: '<select>\n  <optgroup label="Frugt">\n    <option>Æble</option>\n    <option>Pære</option>\n  </optgroup>\n</select>',
  option: '<select>\n  <option>Mandag</option>\n  <option>Tirsdag</option>\n</select>',
  output: '<output>42</output>',
  picture: '<picture>\n  <source srcset="../Billeder/eksempel.svg" type="image/svg+xml">\n  <img src="../Billeder/eksempel.svg" alt="Tegning" width="120">\n</picture>',
  pre: '<pre>\n  Linjerne står\n      præcis som skrevet\n</pre>',
  progress: '<progress value="30" max="100">30 %</progress>',
  q: '<p>Hun sagde <q>vi ses i morgen</q> og gik.</p>',
  rp: null, rt: null,
  ruby: '<ruby>漢<rp>(</rp><rt>kan</rt><rp>)</rp></ruby>',
  select: '<select>\n  <option>Sol</option>\n  <option>Regn</option>\n</select>',
  source: '<video controls width="240">\n  <source src="../Billeder/film.mp4" type="video/mp4">\n</video>',
  summary: null,
  svg: '<svg width="120" height="60">\n  <circle cx="30" cy="30" r="25" fill="teal"/>\n</svg>',
  math: '<math><msup><mi>x</mi><mn>2</mn></msup></math>',
  table: '<table>\n  <tr><th>Dag</th><th>Vejr</th></tr>\n  <tr><td>Mandag</td><td>Sol</td></tr>\n</table>',
  tbody: null, td: null, tfoot: null, th: null, thead: null, tr: null,
  textarea: '<textarea rows="3" cols="30">Dagens tanker</textarea>',
  time: '<p>Vi mødes <time datetime="2024-06-23">sankthansaften</time>.</p>',
  track: '<video controls width="240" src="../Billeder/film.mp4">\n  <track kind="subtitles" src="../Billeder/film.vtt" srclang="da" label="Dansk">\n</video>',
  ul: '<ul>\n  <li>Mælk</li>\n  <li>Brød</li>\n</ul>',
  video: '<video controls width="240" src="../Billeder/film.mp4">Videoen kan ikke afspilles.</video>',
  wbr: '<p>Lørdags<wbr>formiddags<wbr>kaffen</p>',
};
// Parts of a bigger whole borrow the example of the whole.
const DEL_AF = {caption: 'table', tbody: 'table', td: 'table', tfoot: 'table', th: 'table',
  thead: 'table', tr: 'table', dd: 'dl', dt: 'dl', figcaption: 'figure', legend: 'fieldset',
  li: 'ul', map: 'area', rp: 'ruby', rt: 'ruby', summary: 'details'};
const TABEL_HEL = '<table>\n  <caption>Ugens vejr</caption>\n  <thead><tr><th>Dag</th><th>Vejr</th></tr></thead>\n  <tbody><tr><td>Mandag</td><td>Sol</td></tr></tbody>\n  <tfoot><tr><td colspan="2">Målt kl. 12</td></tr></tfoot>\n</table>';

const TABEL_DELE = ['caption', 'tbody', 'td', 'tfoot', 'th', 'thead', 'tr'];

// Tags that belong in the page's head or never render inside a page body.
const KUN_KODE = new Set(['html', 'head', 'body', 'title', 'meta', 'link', 'base', 'style', 'script',
  'noscript', 'template', 'slot', 'basefont', 'bgsound', 'command', 'frame', 'image', 'keygen', 'param',
  'audio', 'video', 'source', 'track', 'embed', 'object', 'iframe', 'area', 'map', 'dialog']);
const HOVED_EKSEMPLER = {
  html: '<!DOCTYPE html>\n<html lang="da">\n<head>\n  <title>Min dag</title>\n</head>\n<body>\n  <p>Dagens tekst.</p>\n</body>\n</html>',
  head: '<head>\n  <title>Min dag</title>\n  <meta charset="utf-8">\n  <link rel="stylesheet" href="design.css">\n</head>',
  body: '<body>\n  <h1>Søndag</h1>\n  <p>Dagens tekst.</p>\n</body>',
  title: '<title>Søndag i haven</title>',
  meta: '<meta http-equiv="content-type" content="text/html; charset=windows-1252">',
  link: '<link rel="stylesheet" type="text/css" href="../../design.css">',
  base: '<base href="https://eksempel.dk/dagbog/">',
  style: '<style>\n  h1 { color: teal; }\n</style>',
  script: '<script src="../../funktioner.js"></script>',
  noscript: '<noscript>Slå JavaScript til for at se billedserien.</noscript>',
  template: '<template id="eks-raekke">\n  <tr><td></td></tr>\n</template>',
  slot: '<slot name="titel">Standardtitel</slot>',
  param: '<object data="film.swf">\n  <param name="autoplay" value="false">\n</object>',
  frame: '<frameset cols="50%,50%">\n  <frame src="venstre.html">\n</frameset>',
};

// Each event: when it fires, and what fires it in the example. A live example
// uses an element the reader can make fire the event on the page itself;
// the others are shown as code.
const HAENDELSER = {
  abort: ['hentningen af en lyd eller video afbrydes, før den er færdig', 'medie'],
  afterprint: ['siden er sendt til udskrift', 'vindue'],
  auxclick: ['læseren klikker med en anden museknap end den venstre, fx med hjulet', 'knap'],
  beforematch: ['browserens søgning finder tekst i et element, der er skjult med hidden="until-found"', 'kode'],
  beforeprint: ['siden er ved at blive udskrevet; der er tid til at gøre den klar', 'vindue'],
  beforetoggle: ['en details, en dialog eller en popover er ved at åbne eller lukke', 'details'],
  beforeunload: ['læseren er ved at forlade siden; scriptet kan bede om en bekræftelse', 'vindue'],
  blur: ['elementet mister fokus, fx når læseren klikker et andet sted', 'felt'],
  cancel: ['læseren lukker en dialog med Esc', 'dialog'],
  canplay: ['der er hentet nok af en lyd eller video til at begynde afspilningen', 'medie'],
  canplaythrough: ['der er hentet nok af en lyd eller video til at spille den helt igennem uden pauser', 'medie'],
  change: ['læseren har ændret værdien i et felt og er gået videre', 'felt'],
  click: ['læseren klikker på elementet', 'knap'],
  close: ['en dialog lukkes', 'dialog'],
  contextlost: ['en tegneflade mister sin tegning, fx fordi grafikkortet blev nulstillet', 'kode'],
  contextmenu: ['læseren åbner genvejsmenuen med højre museknap', 'knap'],
  contextrestored: ['en tegneflade har fået sin tegning tilbage', 'kode'],
  copy: ['læseren kopierer markeret tekst', 'tekst'],
  cuechange: ['en undertekst skifter i en video', 'medie'],
  cut: ['læseren klipper markeret tekst ud', 'tekst'],
  dblclick: ['læseren dobbeltklikker på elementet', 'knap'],
  drag: ['læseren trækker elementet med musen; den kommer igen og igen, så længe trækket varer', 'traek'],
  dragend: ['læseren slipper et element, der blev trukket', 'traek'],
  dragenter: ['noget, der trækkes, kommer ind over elementet', 'slip'],
  dragleave: ['noget, der trækkes, forlader elementet igen', 'slip'],
  dragover: ['noget, der trækkes, bevæger sig hen over elementet', 'slip'],
  dragstart: ['læseren begynder at trække elementet', 'traek'],
  drop: ['noget, der trækkes, slippes på elementet', 'slip'],
  durationchange: ['længden af en lyd eller video bliver kendt eller ændres', 'medie'],
  emptied: ['en lyd eller video tømmes, fx fordi en ny fil indlæses', 'medie'],
  ended: ['en lyd eller video er spillet til ende', 'medie'],
  error: ['en fil ikke kan hentes, fx et billede, der ikke findes', 'fejl'],
  focus: ['elementet får fokus, fx når læseren klikker i et felt', 'felt'],
  formdata: ['en formular samler sine data, lige før de sendes', 'form'],
  hashchange: ['delen efter # i sidens adresse skifter', 'vindue'],
  input: ['læseren skriver eller sletter noget i et felt; den kommer ved hvert tegn', 'felt'],
  invalid: ['et felt ikke er udfyldt rigtigt, når formularen kontrolleres', 'ugyldig'],
  keydown: ['læseren trykker en tast ned, mens elementet har fokus', 'felt'],
  keypress: ['læseren trykker en tast, der giver et tegn; den er forældet, så brug hellere keydown', 'felt'],
  keyup: ['læseren slipper en tast, mens elementet har fokus', 'felt'],
  languagechange: ['læseren skifter sprog i browseren', 'vindue'],
  load: ['en fil er hentet færdig: for body hele siden, for img billedet', 'billede'],
  loadeddata: ['det første billede af en video er hentet', 'medie'],
  loadedmetadata: ['længden og størrelsen af en lyd eller video er hentet', 'medie'],
  loadstart: ['browseren begynder at hente en lyd eller video', 'medie'],
  message: ['vinduet modtager en besked fra et andet vindue eller en ramme', 'vindue'],
  messageerror: ['vinduet modtager en besked, der ikke kan læses', 'vindue'],
  mousedown: ['læseren trykker en museknap ned over elementet', 'knap'],
  mouseenter: ['musen kommer ind over elementet', 'knap'],
  mouseleave: ['musen forlader elementet', 'knap'],
  mousemove: ['musen bevæger sig hen over elementet; den kommer mange gange i sekundet', 'knap'],
  mouseout: ['musen forlader elementet eller et af elementerne inden i', 'knap'],
  mouseover: ['musen kommer ind over elementet eller et af elementerne inden i', 'knap'],
  mouseup: ['læseren slipper en museknap over elementet', 'knap'],
  offline: ['browseren mister forbindelsen til nettet', 'vindue'],
  online: ['browseren får forbindelse til nettet igen', 'vindue'],
  pagehide: ['læseren forlader siden, også når den gemmes til tilbage-knappen', 'vindue'],
  pageshow: ['siden vises, også når læseren kommer tilbage til den med tilbage-knappen', 'vindue'],
  paste: ['læseren sætter tekst ind', 'tekst'],
  pause: ['afspilningen af en lyd eller video sættes på pause', 'medie'],
  play: ['afspilningen af en lyd eller video starter', 'medie'],
  playing: ['en lyd eller video spiller igen efter en pause eller en ventetid', 'medie'],
  popstate: ['læseren går tilbage eller frem i fanens historik', 'vindue'],
  progress: ['browseren har hentet endnu et stykke af en lyd eller video', 'medie'],
  ratechange: ['afspilningshastigheden ændres', 'medie'],
  rejectionhandled: ['et afvist løfte (Promise) får en catch for sent', 'vindue'],
  reset: ['en formular nulstilles', 'form'],
  resize: ['vinduet skifter størrelse', 'vindue'],
  scroll: ['der rulles i elementet', 'rul'],
  scrollend: ['rulningen i elementet er slut', 'rul'],
  securitypolicyviolation: ['siden bryder sin egen sikkerhedspolitik, fx ved at hente et script, den ikke må', 'kode'],
  seeked: ['læseren er sprunget til et nyt sted i en lyd eller video', 'medie'],
  seeking: ['læseren springer til et nyt sted i en lyd eller video', 'medie'],
  select: ['læseren markerer tekst i et felt', 'felt'],
  slotchange: ['indholdet af en plads (slot) i en webkomponent skifter', 'kode'],
  stalled: ['hentningen af en lyd eller video går i stå', 'medie'],
  storage: ['et andet vindue ændrer noget i localStorage', 'vindue'],
  submit: ['en formular sendes', 'form'],
  suspend: ['browseren holder pause med at hente en lyd eller video', 'medie'],
  timeupdate: ['tiden i en lyd eller video skrider frem; den kommer flere gange i sekundet', 'medie'],
  toggle: ['en details, en dialog eller en popover er åbnet eller lukket', 'details'],
  unhandledrejection: ['et løfte (Promise) afvises, og ingen catch tager sig af det', 'vindue'],
  unload: ['siden forlades; brug hellere pagehide', 'vindue'],
  volumechange: ['lydstyrken ændres eller lyden slås til eller fra', 'medie'],
  waiting: ['afspilningen venter, fordi der ikke er hentet nok endnu', 'medie'],
  wheel: ['læseren drejer musehjulet over elementet', 'knap'],
};
// The example of each kind of event: live where the reader can fire it.
const HAENDELSE_EKSEMPEL = {
  knap: (a) => ({html: `<button type="button" ${a}="this.textContent = 'Det skete!'">Prøv med musen</button>`}),
  felt: (a) => ({html: `<input placeholder="Skriv her" ${a}="this.style.backgroundColor = '#fdf6e7'">`}),
  ugyldig: (a) => ({html: `<form onsubmit="return false">\n  <input required ${a}="this.placeholder = 'Skal udfyldes'">\n  <button>Send</button>\n</form>`}),
  form: (a) => ({html: `<form ${a}="this.lastElementChild.textContent = 'Det skete!'; return false">\n  <input name="navn">\n  <button>Send</button>\n  <button type="reset">Nulstil</button>\n  <span></span>\n</form>`}),
  tekst: (a) => ({html: `<textarea rows="2" ${a}="this.style.backgroundColor = '#fdf6e7'">Marker og kopier denne tekst</textarea>`}),
  billede: (a) => ({html: `<img src="../Billeder/eksempel.svg" alt="En lille tegning" width="120" ${a}="this.title = 'Hentet'">`}),
  fejl: (a) => ({html: `<img src="../Billeder/findes-ikke.png" alt="Billedet mangler" ${a}="this.alt = 'Billedet kunne ikke hentes'">`}),
  rul: (a) => ({html: `<div style="height: 4em; overflow: auto; border: 1px solid #ccc" ${a}="this.style.backgroundColor = '#fdf6e7'">\n  <p>Rul i denne boks.</p>\n  <p>Linje to.</p>\n  <p>Linje tre.</p>\n  <p>Linje fire.</p>\n</div>`}),
  traek: (a) => ({html: `<p draggable="true" ${a}="this.style.color = 'teal'">Træk i denne linje</p>`}),
  slip: (a) => ({html: `<p draggable="true">Træk denne linje</p>\n<div style="padding: 1em; border: 2px dashed teal" ondragover="event.preventDefault()" ${a}="this.style.backgroundColor = '#fdf6e7'">… hen over denne boks</div>`}),
  details: (a) => ({html: `<details ${a}="this.lastElementChild.textContent = 'Det skete!'">\n  <summary>Klik for at folde ud</summary>\n  <p></p>\n</details>`}),
  medie: (a) => ({html: `<video controls width="240" src="film.mp4" ${a}="console.log('Det skete')"></video>`, vis: false,
    tekst: 'Eksemplet vises kun som kode, for filen film.mp4 følger ikke med.'}),
  dialog: (a) => ({html: `<dialog id="eks-dialog" ${a}="console.log('Det skete')">\n  <p>En dialog.</p>\n</dialog>`, vis: false}),
  vindue: (a) => ({html: `<body ${a}="console.log('Det skete')">`, vis: false}),
  kode: (a) => ({html: `<div ${a}="console.log('Det skete')"></div>`, vis: false}),
};

const VINDUE = new Set(['onafterprint', 'onbeforeprint', 'onbeforeunload', 'onhashchange',
  'onlanguagechange', 'onmessage', 'onmessageerror', 'onoffline', 'ononline', 'onpagehide',
  'onpageshow', 'onpopstate', 'onrejectionhandled', 'onstorage', 'onunhandledrejection', 'onunload']);

// What common attributes give their tag.
const ATTR_GLOSSER = {
  href: 'adressen, linket fører til', src: 'adressen på filen, der vises eller afspilles', alt: 'tekst i stedet for billedet',
  width: 'bredden', height: 'højden', type: 'hvilken slags den er', value: 'værdien', name: 'navnet, værdien sendes med',
  placeholder: 'en svag hjælpetekst i det tomme felt', rows: 'antal synlige linjer', cols: 'bredden målt i tegn',
  colspan: 'hvor mange kolonner cellen spænder over', rowspan: 'hvor mange rækker cellen spænder over',
  target: 'hvor linket åbnes, fx _blank for en ny fane', rel: 'forholdet til den side eller fil, der linkes til',
  for: 'id på feltet, teksten hører til', checked: 'at feltet er afkrydset fra start', disabled: 'at feltet ikke kan bruges',
  required: 'at feltet skal udfyldes', readonly: 'at feltet kun kan læses', multiple: 'at flere kan vælges',
  selected: 'at valget er valgt fra start', min: 'den mindste tilladte værdi', max: 'den største tilladte værdi',
  step: 'trinnet mellem tilladte værdier', maxlength: 'det største antal tegn', minlength: 'det mindste antal tegn',
  datetime: 'dato og tid på maskinlæsbar form', download: 'at linket henter filen i stedet for at åbne den',
  loading: 'om billedet hentes straks eller først, når det nærmer sig', controls: 'at afspilleren viser sine knapper',
  autoplay: 'at afspilningen starter af sig selv', loop: 'at afspilningen starter forfra', muted: 'at lyden er slået fra',
  cite: 'adressen på kilden til citatet', label: 'en tekst til gruppen eller sporet', action: 'adressen, formularen sendes til',
  method: 'hvordan formularen sendes: get eller post', start: 'tallet, listen begynder med', reversed: 'at listen tæller baglæns',
  open: 'at den er åben fra start', charset: 'tegnsættet', content: 'værdien til name eller http-equiv',
  media: 'hvilke skærme eller udskrifter den gælder for', srcset: 'flere udgaver af billedet i forskellige størrelser',
  sizes: 'hvor bredt billedet vises', usemap: 'navnet på billedkortet', poster: 'billedet, der vises, før videoen starter',
  accesskey: 'en tast, som sammen med Alt flytter fokus til elementet', autocapitalize: 'om skærmtastaturet begynder med stort bogstav',
  autocorrect: 'om browseren må rette stavefejl, mens der skrives', autofocus: 'at elementet får fokus, så snart siden er vist',
  contenteditable: 'om læseren kan skrive direkte i elementet', draggable: 'om elementet kan trækkes med musen',
  enterkeyhint: 'hvad returtasten på et skærmtastatur skal hedde, fx send', exportparts: 'dele af en indlejret webkomponent, som gøres synlige udefra',
  inert: 'at elementet og alt inden i hverken kan klikkes eller få fokus', inputmode: 'hvilket skærmtastatur der passer, fx kun tal',
  is: 'navnet på en egen webkomponent, der bygger på en almindelig kode', itemid: 'en entydig betegnelse for en ting i strukturerede data',
  itemprop: 'navnet på en egenskab i strukturerede data', itemref: 'id på elementer, der hører med til tingen i strukturerede data',
  itemscope: 'at elementet beskriver én ting i strukturerede data', itemtype: 'hvilken slags ting de strukturerede data beskriver',
  nonce: 'et engangstal, der tillader netop dette script eller stylesheet', part: 'et navn, som en del af en webkomponent kan styles udefra med',
  popover: 'at elementet er en popover, der kan åbnes oven på siden', role: 'hvad elementet er for skærmlæsere, fx note eller navigation',
  slot: 'hvilken plads i en webkomponent elementet sættes ind på', spellcheck: 'om browseren kontrollerer stavningen',
  tabindex: 'om elementet kan få fokus med tabulatortasten, og i hvilken rækkefølge', translate: 'om teksten må oversættes, fx af en oversættelsestjeneste',
  writingsuggestions: 'om browseren må foreslå ord, mens der skrives', hidden: 'at elementet er skjult',
  lang: 'sproget, fx da eller en', dir: 'skriveretningen: ltr, rtl eller auto',
  align: 'en gammel måde at justere på; brug CSS', border: 'en gammel kant; brug CSS', bgcolor: 'en gammel baggrundsfarve; brug CSS',
};

// Where an attribute means something else on one tag.
const ATTR_PAA_KODE = {
  'map/name': 'navnet, som usemap på et billede peger på', 'meta/name': 'hvilken oplysning content giver, fx description',
  'iframe/name': 'rammens navn, som target på et link kan pege på', 'slot/name': 'pladsens navn',
  'details/name': 'en gruppe, hvor kun én details er åben ad gangen', 'object/name': 'objektets navn, som target kan pege på',
  'output/name': 'navnet, resultatet sendes med', 'param/name': 'parameterens navn', 'a/type': 'filtypen, linket fører til',
  'link/type': 'filtypen, fx text/css', 'ol/type': 'nummereringens slags: 1, a, A, i eller I', 'script/type': 'hvilken slags script, fx module',
};

// Example values of common attributes.
const VAERDIER = {
  href: 'https://da.wikipedia.org/', src: '../Billeder/eksempel.svg', alt: 'En lille tegning',
  width: '120', height: '60', type: 'checkbox', value: '3', name: 'antal', placeholder: 'Skriv her',
  rows: '3', cols: '30', colspan: '2', rowspan: '2', target: '_blank', rel: 'noopener', for: 'eks-felt',
  checked: '', disabled: '', required: '', readonly: '', multiple: '', selected: '', open: '', reversed: '',
  min: '1', max: '10', step: '1', maxlength: '20', minlength: '2', size: '10', start: '5',
  datetime: '2024-12-24', download: 'dagbog.html', loading: 'lazy', controls: '', autoplay: '', loop: '',
  muted: '', cite: 'https://da.wikipedia.org/', label: 'Frugt', pattern: '[0-9]{4}', autocomplete: 'off',
  list: 'eks-liste', accept: 'image/*', action: 'gem.html', method: 'post', span: '2', scope: 'col',
  headers: 'eks-dag', abbr: 'Dag', srcset: '../Billeder/eksempel.svg 1x', sizes: '120px', usemap: '#eks-kort',
  shape: 'rect', coords: '0,0,60,40', kind: 'subtitles', srclang: 'da', default: '', charset: 'utf-8',
  content: 'Min dagbog', media: 'print', hreflang: 'da', ping: 'https://eksempel.dk/klik', low: '0.2', high: '0.8', optimum: '0.5',
  wrap: 'soft', dirname: 'tekst.dir', form: 'eks-formular', formaction: 'gem.html', novalidate: '',
  allow: 'fullscreen', sandbox: '', srcdoc: '&lt;p&gt;Hej&lt;/p&gt;', poster: '../Billeder/eksempel.svg',
  preload: 'none', async: '', defer: '', crossorigin: 'anonymous', integrity: 'sha384-oqVuAfXRKap7fdgcCY5uykM6+R9GqQ8K/uxy9rx7HNQlGYl1kPzQho1wx4JwY8wC', nomodule: '',
  accesskey: 's', autocapitalize: 'sentences', autocorrect: 'off', enterkeyhint: 'send', exportparts: 'titel',
  inputmode: 'numeric', is: 'min-knap', itemid: 'urn:isbn:9788702000000', itemprop: 'name', itemref: 'eks-forfatter',
  itemtype: 'https://schema.org/Person', nonce: 'r4nd0m', part: 'titel', popover: 'auto', role: 'note', slot: 'titel',
  writingsuggestions: 'false', 'accept-charset': 'utf-8', align: 'center', alink: 'red', allowpaymentrequest: '',
  allowusermedia: '', archive: 'gammel.jar', as: 'image', axis: 'dag', background: '../Billeder/eksempel.svg',
  bgcolor: '#fdf6e7', blocking: 'render', border: '1', cellpadding: '4', cellspacing: '0', char: ',', charoff: '2',
  classid: 'clsid:0', clear: 'all', closedby: 'any', codebase: '../Billeder/', codetype: 'image/svg+xml', color: 'teal',
  colorspace: 'limited-srgb', command: 'show-modal', commandfor: 'eks-dialog', data: '../Billeder/eksempel.svg',
  decoding: 'async', display: 'block', enctype: 'multipart/form-data', face: 'Georgia', fetchpriority: 'high',
  formenctype: 'multipart/form-data', formmethod: 'post', formtarget: '_blank', frame: 'box', frameborder: '0',
  hspace: '10', 'http-equiv': 'refresh', imagesizes: '120px', imagesrcset: '../Billeder/eksempel.svg 1x', language: 'javascript',
  link: 'teal', longdesc: 'beskrivelse.html', manifest: 'dagbog.appcache', marginheight: '0', marginwidth: '0',
  popovertarget: 'eks-boks', popovertargetaction: 'toggle', preserveAspectRatio: 'xMidYMid meet', profile: 'https://eksempel.dk/profil',
  referrerpolicy: 'no-referrer', rev: 'made', rules: 'rows', scheme: 'ISBN', scrolling: 'no', shadowrootmode: 'open',
  standby: 'Henter …', summary: 'Ugens vejr', text: '#333333', typemustmatch: '', valign: 'top', valuetype: 'data',
  version: '-//W3C//DTD HTML 4.01//EN', viewBox: '0 0 120 60', vlink: 'purple', vspace: '10', xmlns: 'http://www.w3.org/1999/xhtml',
};

// Tags whose end tag may be left out, as the HTML standard allows.
export const VALGFRI_SLUT = new Set(['li', 'dt', 'dd', 'p', 'rt', 'rp', 'optgroup', 'option', 'colgroup', 'caption',
  'thead', 'tbody', 'tfoot', 'tr', 'td', 'th', 'html', 'head', 'body']);

// Attributes that are on or off by being there, without a value.
export const BOOLSKE = new Set(['allowfullscreen', 'async', 'autofocus', 'autoplay', 'checked', 'controls', 'default',
  'defer', 'disabled', 'formnovalidate', 'hidden', 'inert', 'ismap', 'itemscope', 'loop', 'multiple', 'muted', 'nomodule',
  'novalidate', 'open', 'playsinline', 'readonly', 'required', 'reversed', 'selected', 'shadowrootclonable',
  'shadowrootdelegatesfocus', 'shadowrootserializable', 'alpha', 'disablepictureinpicture', 'disableremoteplayback',
  'shadowrootcustomelementregistry', 'noshade', 'nowrap', 'compact', 'declare', 'nohref', 'noresize']);

// Presentational and other attributes the HTML standard lists as obsolete.
export const OBSOLETE_ATTR = new Set(['align', 'bgcolor', 'border', 'cellpadding', 'cellspacing', 'valign', 'frame', 'rules',
  'axis', 'char', 'charoff', 'background', 'clear', 'compact', 'hspace', 'vspace', 'noshade', 'nowrap', 'frameborder',
  'marginheight', 'marginwidth', 'scrolling', 'longdesc', 'archive', 'classid', 'codebase', 'codetype', 'declare', 'standby',
  'alink', 'vlink', 'link', 'text', 'rev', 'language', 'profile', 'version', 'scheme', 'datapagesize', 'lowsrc', 'manifest',
  'nohref', 'face', 'color']);

// The tag's meaning for a table cell: the gloss without its leading verb.
const hvadKoden = (t) => (KODER[t] ?? '').replace(/^er /, '');

const kodeTekst = (t) => `<code>&lt;${esc(t)}&gt;</code>`;

// The other names of a list, nearest to the given one first.
const naermeste = (liste, navn) => liste.filter((x) => x !== navn)
    .sort((a, b) => Math.abs(liste.indexOf(a) - liste.indexOf(navn)) - Math.abs(liste.indexOf(b) - liste.indexOf(navn)));

export function lavHtml5(programDir, haand) {
  const alleKoder = readFileSync(join(programDir, 'Dir', 'Html', 'AlleKoder.txt'), 'latin1')
      .split(/\r?\n/).filter(Boolean);
  const eksk = new Set(readFileSync(join(programDir, 'Dir', 'Html', 'Ekskluderet.txt'), 'latin1')
      .split(/\r?\n/).filter(Boolean).map((s) => s.toLowerCase()));
  const udenSlut = new Set(readFileSync(join(programDir, 'Dir', 'Html', 'UdenSlutkode.txt'), 'latin1')
      .split(/\r?\n/).filter(Boolean));
  const tags = alleKoder.filter((t) => !eksk.has(t.toLowerCase()));

  // Attribute names as the attribute lists hold them, and which tags allow each.
  const attrDir = join(programDir, 'Dir', 'Attributes');
  const attrTags = new Map();
  for (const f of readdirSync(attrDir)) {
    if (!f.endsWith('.txt')) continue;
    const tag = f.slice(0, -4);
    for (const a of readFileSync(join(attrDir, f), 'latin1').split(/\r?\n/).filter(Boolean)) {
      if (!attrTags.has(a)) attrTags.set(a, new Set());
      if (!tag.startsWith('_')) attrTags.get(a).add(tag);
    }
  }
  const globale = new Set([...htmlElementAttributes['*'], 'role']);
  const haendelser = new Set(htmlEventAttributes);
  const interfaces = new Map(elementsHtml.elements.map((e) => [e.name, e.interface]));

  const rod = new Element('Html5', 'Html5', IKON.rod, {
    kodeOverskrift: false, art: 'opslag',
    lead: ['Her kan du slå alle de HTML-koder og attributter op, som editoren kender. Stå med markøren i en kode eller i værdien af en attribut i editoren, og tryk <span class="tast">Ctrl+Alt+H</span> eller <span class="knap">Info...</span>: så åbner informationsvinduet på den rigtige side.',
      'Træet er ordnet som en indholdsfortegnelse: først koderne i grupper efter hvad de bruges til, derefter de globale attributter, som alle koder har, hændelserne og til sidst de særlige attributter, der kun hører til bestemte koder.'],
  });
  const grupper = [];
  const placeret = new Map();
  for (const [navn, beskrivelse, liste] of GRUPPER) {
    const g = new Element(navn, sidenavn('gruppe', navn.replace(/Æ/g, 'AE')), IKON.gruppe,
        {kodeOverskrift: false, art: 'kodegruppe', lead: [beskrivelse], listeOverskrift: 'Koderne i gruppen'});
    grupper.push(g);
    for (const t of liste.split(' ')) placeret.set(t, g);
  }
  const oevrige = new Element('Øvrige koder', 'gruppe-oevrige', IKON.gruppe,
      {kodeOverskrift: false, art: 'kodegruppe', lead: ['Koder, der ikke hører til en af de andre grupper.'],
        listeOverskrift: 'Koderne i gruppen'});

  const tagElement = new Map();
  const ukendte = [];
  for (const t of tags) {
    const g = placeret.get(t) ?? (ukendte.push(t), oevrige);
    const e = new Element(t, sidenavn('kode', t), IKON.objekt, {visNavn: t, overskrift: `<${t}>`, art: 'HTML-kode'});
    tagElement.set(t, e);
    g.tilfoej(e);
  }
  for (const g of [...grupper, oevrige]) {
    if (!g.born.length) continue;
    g.born.sort(alfabetisk);
    rod.tilfoej(g);
  }

  const globalt = rod.tilfoej(new Element('Globale Attributter', 'Globale-Attributter', IKON.gruppe, {
    kodeOverskrift: false, art: 'attributgruppe',
    lead: ['De globale attributter kan stå på alle koder. De mest brugte er <code>class</code> og <code>id</code>, som kobler koden til dit design og dine funktioner, <code>style</code> til et udseende direkte på koden og <code>title</code>, som viser en lille tekst, når musen holdes over.',
      'Står markøren i værdien af en <code>style</code>-attribut, slår <span class="knap">Info...</span> CSS-egenskaben ved markøren op i strukturen CSS.'],
    listeOverskrift: 'De globale attributter',
  }));
  const haendelsesGruppe = rod.tilfoej(new Element('Hændelser', 'gruppe-haendelser', IKON.gruppe, {
    kodeOverskrift: false, art: 'attributgruppe',
    lead: ['En hændelsesattribut rummer JavaScript, som browseren kører, når noget bestemt sker: et klik, en tast, at siden er hentet. Navnet er altid <code>on</code> efterfulgt af hændelsens navn.',
      'I dine sider er det ofte pænere at sætte funktionen i <code>funktioner.js</code> og kun kalde den fra attributten, fx <code>onclick="visBillede()"</code>.'],
    listeOverskrift: 'Hændelserne',
  }));
  const saerlige = rod.tilfoej(new Element('Særlige attributter', 'gruppe-attributter', IKON.gruppe, {
    kodeOverskrift: false, art: 'attributgruppe',
    lead: ['Disse attributter gælder kun for bestemte koder. Siden for hver attribut nævner de koder, den hører til, og kontrollen i editoren melder en attribut, der står på en forkert kode.'],
    listeOverskrift: 'Attributterne',
  }));

  const attrElement = new Map();
  for (const a of [...attrTags.keys()].sort()) {
    const erGlobal = globale.has(a) || a.endsWith('-');
    const erHaendelse = !erGlobal && (haendelser.has(a) || /^on/.test(a));
    const forael = erGlobal ? globalt : erHaendelse ? haendelsesGruppe : saerlige;
    // "data-" and "aria-" are prefixes of whole families of attributes.
    const side = a.endsWith('-') ? sidenavn('attribut', a, 'familie') : sidenavn('attribut', a);
    const e = new Element(a, side, IKON.egenskab, {
      visNavn: a, art: erGlobal ? 'global attribut' : erHaendelse ? 'hændelse' : 'attribut'});
    attrElement.set(a, e);
    forael.tilfoej(e);
  }
  for (const g of [globalt, haendelsesGruppe, saerlige]) g.born.sort(alfabetisk);

  // Contents of the tag pages.
  for (const [t, e] of tagElement) {
    const i = e.indhold;
    const gloss = KODER[t] ?? 'er en HTML-kode';
    const foraeldet = placeret.get(t)?.tekst === 'Forældede koder';
    i.lead = [`${kodeTekst(t)} ${gloss}.`];
    i.sti = `Gruppe: <a href="${e.forælder.side}.html">${esc(e.forælder.tekst)}</a>`;
    const void_ = udenSlut.has(t);
    i.syntaks = void_ ? esc(`<${t} attribut="værdi">`) : esc(`<${t} attribut="værdi">indhold</${t}>`);
    i.syntaksNote = void_ ? 'Koden har ingen slutkode.' : VALGFRI_SLUT.has(t) ?
      `Slutkoden <code>&lt;/${esc(t)}&gt;</code> må udelades, når det, der følger, afslutter koden; det er dog tydeligst at skrive den, og <span class="knap">Slutkode</span> (<span class="tast">Ctrl+K</span>) i editoren gør det.` :
      `Koden lukkes med slutkoden <code>&lt;/${esc(t)}&gt;</code>; <span class="knap">Slutkode</span> (<span class="tast">Ctrl+K</span>) i editoren skriver den.`;
    const egne = (htmlElementAttributes[t] ?? []).filter((a) => attrElement.has(a)).sort();
    i.tabel = {
      overskrift: 'Egne attributter', koloner: ['Attribut', 'Hvad den er'],
      raekker: egne.map((a) => [`<a href="${attrElement.get(a).side}.html"><code>${esc(a)}</code></a>`, ATTR_PAA_KODE[`${t}/${a}`] ?? ATTR_GLOSSER[a] ?? 'attribut til denne kode']),
      note: `Desuden kan koden have alle de <a href="Globale-Attributter.html">globale attributter</a> og <a href="gruppe-haendelser.html">hændelserne</a>.`,
    };
    if (!egne.length) {
      i.tabel = null;
      i.syntaksNote += ` Koden har ingen egne attributter, men kan have alle de <a href="Globale-Attributter.html">globale attributter</a>.`;
    }
    i.fakta = [
      ['Slutkode', void_ ? 'ingen' : VALGFRI_SLUT.has(t) ? 'kan udelades' : 'ja'],
      ['Gruppe', esc(e.forælder.tekst)],
    ];
    if (interfaces.get(t)) i.fakta.push(['DOM-interface', `<code>${esc(interfaces.get(t))}</code>`]);
    if (!htmlTagNames.includes(t)) i.fakta.push(['Bemærk', 'ikke med i listen over HTML-koder']);
    i.stoette = understoettelse(`html.elements.${t}`);
    i.advarsel = foraeldet ? 'Koden er forældet: kontrollen i editoren melder den som ukendt, og nye sider bør ikke bruge den.' : advarsel(`html.elements.${t}`);
    const h = haand.get(`tag ${t}`);
    if (h) {
      i.lead = h.afsnit;
      i.eksempel = {html: h.html, css: h.css, js: h.js};
      i.haandskrevet = true;
    } else {
      i.eksempel = tagEksempel(t);
    }
    // Related: the tag's own attributes, then the tags of its group.
    const hel = TABEL_DELE.includes(t) ? 'table' : DEL_AF[t];
    i.relaterede = [...(hel && tagElement.has(hel) ? [tagElement.get(hel)] : []),
      ...egne.filter((a) => !OBSOLETE_ATTR.has(a)).slice(0, 6).map((a) => attrElement.get(a)),
      ...naermeste(placeret.get(t) ? GRUPPER.find((g) => g[0] === placeret.get(t).tekst)[2].split(' ') : [], t)
          .filter((x) => x !== hel && tagElement.has(x)).slice(0, 8).map((x) => tagElement.get(x))];
  }

  for (const [a, e] of attrElement) {
    const i = e.indhold;
    const paa = [...attrTags.get(a)].sort();
    const erGlobal = globale.has(a);
    const forael = e.forælder;
    i.sti = `Gruppe: <a href="${forael.side}.html">${esc(forael.tekst)}</a>`;
    let eksTag;
    let haendelsesArt;
    if (a.endsWith('-')) {
      i.lead = [a === 'data-' ?
        '<code>data-</code> indleder dine egne attributter: alt, hvad der begynder med <code>data-</code>, må stå på alle koder og kan læses af JavaScript gennem <code>element.dataset</code>.' :
        `<code>${esc(a)}</code> indleder en hel familie af attributter, som alle må stå på alle koder.`];
      if (a === 'aria-') i.lead = ['<code>aria-</code> indleder attributterne, der fortæller skærmlæsere og andre hjælpemidler, hvad et element er og gør, fx <code>aria-label</code> med en tekst til en knap uden tekst.'];
      eksTag = 'p';
    } else if (forael === globalt) {
      i.lead = [`<code>${esc(a)}</code> er en global attribut: den kan stå på alle koder.`];
      const g = ATTR_GLOSSER[a];
      if (g) i.lead.push(BOOLSKE.has(a) ? `Attributten har ingen værdi: står den på koden, betyder det, ${g}.` : /^(at|om|hvad|hvilke[nt]?|hvor) /.test(g) ? `Attributten angiver, ${g}.` : `Attributten angiver ${g}.`);
      eksTag = a === 'title' || a === 'lang' ? 'span' : 'p';
    } else if (forael === haendelsesGruppe) {
      const ev = a.replace(/^on/, '');
      const [naar, art] = HAENDELSER[ev] ?? [`hændelsen <code>${esc(ev)}</code> sker`, 'kode'];
      haendelsesArt = art;
      i.lead = [`<code>${esc(a)}</code> kører JavaScript, når ${naar}.`];
      eksTag = {vindue: 'body', felt: 'input', ugyldig: 'input', form: 'form', tekst: 'textarea', billede: 'img', fejl: 'img',
        rul: 'div', traek: 'p', slip: 'div', details: 'details', medie: 'video', dialog: 'dialog'}[art] ?? 'div';
    } else {
      const navne = paa.map(kodeTekst);
      i.lead = [`<code>${esc(a)}</code> er en attribut til ${navne.length === 1 ? 'koden' : 'koderne'} ${navne.length > 1 ? navne.slice(0, -1).join(', ') + ' og ' + navne.at(-1) : navne[0] ?? 'nogle koder'}.`];
      const g = ATTR_GLOSSER[a];
      if (g && BOOLSKE.has(a)) i.lead.push(`Attributten har ingen værdi: står den på koden, betyder det, ${g}.`);
      else if (g) i.lead.push(/^at /.test(g) ? `Attributten betyder, ${g}.` : /^(om|hvad|hvilke[nt]?|hvor) /.test(g) ? `Attributten angiver, ${g}.` : `Attributten angiver ${g}.`);
      if (OBSOLETE_ATTR.has(a)) i.advarsel = 'Attributten er forældet: den styrer udseendet, og det gør CSS bedre. Nye sider bør ikke bruge den.';
      eksTag = paa.find((x) => !KUN_KODE.has(x)) ?? paa[0] ?? 'p';
    }
    i.syntaks = esc(`<${eksTag} ${a.endsWith('-') ? a + 'navn="værdi"' : BOOLSKE.has(a) ? a : `${a}="værdi"`}>`);
    if (!erGlobal && forael !== haendelsesGruppe) {
      i.tabel = {overskrift: 'Gælder for', koloner: ['Kode', 'Hvad koden er'],
        raekker: paa.filter((x) => tagElement.has(x)).map((x) => [`<a href="${tagElement.get(x).side}.html"><code>&lt;${esc(x)}&gt;</code></a>`, hvadKoden(x)])};
    } else if (forael === haendelsesGruppe) {
      const kun = {medie: ['audio', 'video'], form: ['form'], dialog: ['dialog'], ugyldig: ['input', 'select', 'textarea'],
        details: ['details', 'dialog']}[haendelsesArt];
      i.fakta = [['Gælder for', VINDUE.has(a) ? 'kun <a href="kode-body.html"><code>&lt;body&gt;</code></a> (vinduets hændelser)' :
        kun ? `${kun.map((t) => `<a href="kode-${t}.html"><code>&lt;${t}&gt;</code></a>`).join(', ').replace(/, ([^,]*)$/, ' og $1')}` : 'alle koder']];
    }
    i.stoette = erGlobal ? understoettelse(`html.global_attributes.${a}`) :
      forael === haendelsesGruppe ? understoettelse(`api.GlobalEventHandlers.${a}`, `api.Element.${a.slice(2)}_event`, `api.Window.${a.slice(2)}_event`, `api.HTMLElement.${a.slice(2)}_event`) :
      understoettelse(`html.elements.${eksTag}.${a}`, ...paa.map((x) => `html.elements.${x}.${a}`));
    // An attribute of several tags shows the support on the tag of its example.
    if (!erGlobal && forael !== haendelsesGruppe && paa.length > 1) i.stoetteOverskrift = `Understøttelse på ${kodeTekst(eksTag)}`;
    i.advarsel ??= advarsel(...paa.map((x) => `html.elements.${x}.${a}`));
    const h = haand.get(`attribut ${a}`);
    if (h) {
      i.lead = h.afsnit;
      i.eksempel = {html: h.html, css: h.css, js: h.js};
      i.haandskrevet = true;
    } else {
      i.eksempel = attributEksempel(a, eksTag, forael === haendelsesGruppe && haendelsesArt);
    }
    // Related: the tags an attribute belongs to and their other attributes;
    // events of the same kind; a global attribute its neighbours in the group.
    if (forael === haendelsesGruppe) {
      const alle = haendelsesGruppe.born;
      const her = alle.indexOf(e);
      i.relaterede = alle.filter((b) => b !== e && HAENDELSER[b.tekst.slice(2)]?.[1] === haendelsesArt)
          .sort((x, y) => Math.abs(alle.indexOf(x) - her) - Math.abs(alle.indexOf(y) - her)).slice(0, 8);
    } else if (!erGlobal && !a.endsWith('-')) {
      const koder = paa.filter((x) => tagElement.has(x));
      i.relaterede = [...koder.slice(0, 6).map((x) => tagElement.get(x)),
        ...(htmlElementAttributes[eksTag] ?? []).filter((x) => x !== a && attrElement.has(x)).slice(0, 6).map((x) => attrElement.get(x))];
    }
  }

  for (const g of [...rod.born]) {
    g.indhold.liste = g.born.map((b) => [b, b.indhold.art === 'HTML-kode' ? hvadKoden(b.tekst) : '']);
  }
  rod.indhold.liste = rod.born.map((g) => [g, esc(g.indhold.lead[0].replace(/<[^>]+>/g, '').split('. ')[0].replace(/\.$/, ''))]);
  rod.indhold.listeOverskrift = 'Grupperne';
  const hGlobal = haand.get('attribut Globale Attributter');
  if (hGlobal) globalt.indhold.lead = hGlobal.afsnit;

  return {rod, ukendte, find: findere(rod), tags, attributter: [...attrTags.keys()]};

  function tagEksempel(t) {
    if (HOVED_EKSEMPLER[t]) return {html: HOVED_EKSEMPLER[t], vis: false, tekst: 'Koden hører hjemme i sidens opbygning og vises ikke i sig selv.'};
    if (TABEL_DELE.includes(t)) return {html: TABEL_HEL};
    const hel = DEL_AF[t];
    if (hel) return {html: EKSEMPLER[hel] ?? `<${hel}></${hel}>`, vis: !KUN_KODE.has(hel)};
    if (EKSEMPLER[t]) return {html: EKSEMPLER[t], vis: !KUN_KODE.has(t)};
    if (udenSlut.has(t)) return {html: `<p>Tekst<${t}>mere tekst</p>`, vis: !KUN_KODE.has(t)};
    if (/^h[1-6]$/.test(t)) return {html: `<${t}>Sommerferien</${t}>`};
    const blok = ['Sektioner', 'Tekstblokke'].includes(placeret.get(t)?.tekst);
    if (blok) return {html: `<${t}>\n  <p>Et afsnit inden i.</p>\n</${t}>`, vis: !KUN_KODE.has(t)};
    return {html: `<p>Her er <${t}>nogle ord</${t}> i et afsnit.</p>`, vis: !KUN_KODE.has(t)};
  }

  function attributEksempel(a, tag, haendelse) {
    if (haendelse) return HAENDELSE_EKSEMPEL[haendelse](a);
    if (a === 'data-') return {html: '<p data-vejr="sol" onclick="this.textContent = this.dataset.vejr">Klik, så viser afsnittet sin data-vejr.</p>'};
    if (a === 'aria-') return {html: '<button type="button" aria-label="Luk">&#215;</button>'};
    const vaerdi = {class: 'fremhaevet', id: 'eks-id', title: 'En lille forklaring', lang: 'en',
      dir: 'rtl', hidden: '', tabindex: '0', contenteditable: 'true', draggable: 'true',
      spellcheck: 'false', translate: 'no', style: 'color: teal'}[a];
    if (vaerdi !== undefined && !KUN_KODE.has(tag)) {
      return {html: `<${tag} ${a}${vaerdi ? `="${vaerdi}"` : ''}>Et afsnit med attributten ${a}.</${tag}>`,
        vis: a !== 'hidden'};
    }
    const v = VAERDIER[a];
    const indhold = {a: 'Et link', button: 'Knap', label: 'Navn', option: 'Valg', td: 'Celle', th: 'Overskrift',
      q: 'et citat', abbr: 'EU', time: 'i morgen', ol: '<li>Første</li><li>Anden</li>', textarea: 'Tekst'}[tag] ?? 'Indhold';
    const attr = v === '' || (v === undefined && BOOLSKE.has(a)) ? a : `${a}="${v ?? ''}"`;
    const vis = v !== undefined && !KUN_KODE.has(tag) && !['td', 'th', 'tr', 'li', 'option', 'col'].includes(tag);
    if (udenSlut.has(tag)) return {html: `<${tag} ${attr}>`, vis};
    return {html: `<${tag} ${attr}>${indhold}</${tag}>`, vis};
  }
}
