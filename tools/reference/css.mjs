// The structure "CSS": properties grouped as the data packages group them,
// at-rules, pseudo-classes, pseudo-elements and functions.

import mdnProperties from 'mdn-data/css/properties.json' with {type: 'json'};
import mdnAtRules from 'mdn-data/css/at-rules.json' with {type: 'json'};
import mdnSelectors from 'mdn-data/css/selectors.json' with {type: 'json'};
import mdnFunctions from 'mdn-data/css/functions.json' with {type: 'json'};
import mdnSyntaxes from 'mdn-data/css/syntaxes.json' with {type: 'json'};
import webrefCss from '@webref/css/css.json' with {type: 'json'};

import * as csstree from 'css-tree';

import {Element, IKON, advarsel, alfabetisk, esc, findere, sidenavn, understoettelse} from './felles.mjs';
import {noegleordTekst} from './noegleord.mjs';
import {PSEUDO, PSEUDO_ELEMENT} from './pseudo.mjs';
import {passer, tjekCss} from './tjek.mjs';

// Property groups: Danish name and what the group is about. Groups share a
// name where one is a part of the other, so the tree stays short.
const GRUPPER = {
  'CSS Fonts': ['Skrift', 'skriftens familie, størrelse, vægt og stil'],
  'CSS Text': ['Tekst', 'hvordan tekst stilles op: justering, ombrydning, afstande og store bogstaver'],
  'CSS Text Decoration': ['Tekstpynt', 'streger under, over og gennem tekst, skygger og fremhævelser'],
  'CSS Color': ['Farver', 'farven på tekst og elementer og deres gennemsigtighed'],
  'CSS Backgrounds and Borders': ['Baggrund og kanter', 'baggrundsfarver og -billeder, kanter, runde hjørner og skygger'],
  'CSS Box Model': ['Boksmodellen', 'margener og fyld om hvert element'],
  'CSS Box Sizing': ['Størrelse', 'bredde og højde på elementer og deres grænser'],
  'CSS Logical Properties and Values': ['Logiske retninger', 'margener, fyld, kanter og størrelser angivet efter tekstens retning i stedet for top, bund, venstre og højre'],
  'CSS Display': ['Visning', 'hvordan et element vises: som blok, på linjen, som flex eller grid, eller slet ikke'],
  'CSS Flexible Box Layout': ['Flexbox', 'elementer stillet op på en række eller i en kolonne, der kan strække og krympe'],
  'CSS Grid Layout': ['Grid-layout', 'elementer placeret i et net af rækker og kolonner'],
  'CSS Box Alignment': ['Justering', 'hvordan elementer fordeles og justeres i flexbox, grid og blokke'],
  'CSS Positioned Layout': ['Placering', 'elementer flyttet ud af den almindelige rækkefølge: relativt, absolut, fast eller klæbende'],
  'CSS Anchor Positioning': ['Ankerplacering', 'elementer placeret i forhold til et andet element, fx en lille boks ved en knap'],
  'CSS Overflow': ['Overløb', 'hvad der sker med indhold, der ikke kan være i sit element'],
  'CSS Multi-column Layout': ['Spalter', 'tekst sat i flere spalter som i en avis'],
  'CSS Table': ['Tabeller', 'udseendet af tabeller: kanter mellem celler og opstilling'],
  'CSS Lists and Counters': ['Lister og tællere', 'punkttegn, numre og egne tællere'],
  'CSS Generated Content': ['Genereret indhold', 'indhold, som CSS selv sætter ind, fx med ::before'],
  'CSS Images': ['Billeder', 'hvordan billeder skaleres, beskæres og tegnes'],
  'CSS Transforms': ['Transformationer', 'elementer drejet, flyttet, skaleret eller skævvredet'],
  'CSS Transitions': ['Overgange', 'bløde overgange, når en egenskab skifter værdi'],
  'CSS Animations': ['Animationer', 'animationer, der bygger på trinnene i en @keyframes-regel'],
  'Scroll-driven Animations': ['Rulleanimationer', 'animationer, der følger rulningen af siden'],
  'CSS View Transitions': ['Visningsovergange', 'overgange mellem to tilstande af siden'],
  'Filter Effects': ['Filtre', 'sløring, gråtoner og andre effekter på elementer og baggrunde'],
  'Compositing and Blending': ['Blanding', 'hvordan farverne i et element blandes med det, der ligger bag'],
  'CSS Masking': ['Masker og beskæring', 'dele af et element skjult med en maske eller en form'],
  'CSS Shapes': ['Former', 'tekst, der flyder rundt om en form'],
  'CSS Basic User Interface': ['Brugerflade', 'markør, omrids, fokus og andre detaljer i samspillet med læseren'],
  'CSS Writing Modes': ['Skriveretning', 'vandret og lodret tekst og tekst fra højre mod venstre'],
  'CSS Inline': ['Linjer', 'hvordan elementer på en linje justeres lodret'],
  'CSS Fragmentation': ['Sideskift', 'hvor en side, spalte eller region må deles, fx ved udskrift'],
  'CSS Paged Media': ['Sideskift', 'hvor en side, spalte eller region må deles, fx ved udskrift'],
  'CSS Containment': ['Afgrænsning', 'dele af siden, som browseren kan tegne for sig'],
  'CSS Conditional Rules': ['Afgrænsning', 'dele af siden, som browseren kan tegne for sig'],
  'CSS Scroll Snap': ['Rulning', 'hvordan en boks ruller: hvor rulningen standser, og hvad der sker ved kanten'],
  'CSS Overscroll Behavior': ['Rulning', 'hvordan en boks ruller: hvor rulningen standser, og hvad der sker ved kanten'],
  'CSS Scroll Anchoring': ['Rulning', 'hvordan en boks ruller: hvor rulningen standser, og hvad der sker ved kanten'],
  'CSS Scrollbars Styling': ['Rulning', 'hvordan en boks ruller: hvor rulningen standser, og hvad der sker ved kanten'],
  'CSS Ruby': ['Ruby', 'opstilling af små udtaletekster over tegn'],
  'Scalable Vector Graphics': ['SVG', 'udseendet af tegninger i SVG: fyld, streger og markører'],
  'MathML': ['Formler', 'opstilling af matematiske formler'],
  'Motion Path': ['Bevægelsesbaner', 'elementer, der bevæger sig langs en bane'],
  'CSS Cascading and Inheritance': ['Arv og nulstilling', 'nulstilling af alle egenskaber på én gang'],
  'CSS Values and Units': ['Værdier', 'egenskaber omkring værdier og enheder'],
};
// A clause after "styrer" takes a comma: "styrer, hvordan …".
const komma = (om) => /^(hvordan|hvad|hvor|om) /.test(om) ? ',' : '';
const OEVRIGE = ['Øvrige egenskaber', 'egenskaber, der ikke hører til en af de andre grupper'];

// Short Danish descriptions of the basic value types.
const TYPER = {
  length: 'en længde, fx <code>12px</code>, <code>1.5em</code> eller <code>2rem</code>',
  percentage: 'en procentdel, fx <code>50%</code>',
  'length-percentage': 'en længde eller en procentdel',
  number: 'et tal, fx <code>1.5</code>',
  integer: 'et helt tal, fx <code>3</code>',
  color: 'en farve, fx <code>teal</code>, <code>#336699</code> eller <code>rgb(51 102 153)</code>',
  url: 'en adresse skrevet som <code>url("../Billeder/sol.png")</code>',
  string: 'en tekst i anførselstegn',
  time: 'en tid, fx <code>0.3s</code> eller <code>200ms</code>',
  angle: 'en vinkel, fx <code>45deg</code>',
  image: 'et billede: en <code>url(...)</code> eller en farveovergang',
  'custom-ident': 'et navn, du selv vælger',
  'dashed-ident': 'et navn, du selv vælger, med to bindestreger foran, fx <code>--min-farve</code>',
  ratio: 'et forhold, fx <code>16 / 9</code>',
  position: 'en placering, fx <code>center</code> eller <code>left top</code>',
  'line-style': 'en stregtype, fx <code>solid</code>, <code>dashed</code> eller <code>dotted</code>',
  'line-width': 'en stregtykkelse: en længde eller <code>thin</code>, <code>medium</code>, <code>thick</code>',
  'easing-function': 'en tidskurve, fx <code>ease-in-out</code> eller <code>linear</code>',
  'single-transition': 'en overgang: egenskab, tid, tidskurve og forsinkelse',
  'family-name': 'navnet på en skrifttype, fx <code>Georgia</code>',
  'generic-family': 'en skriftfamilie, fx <code>serif</code> eller <code>sans-serif</code>',
  'absolute-size': 'en fast størrelse fra <code>xx-small</code> til <code>xxx-large</code>',
  'relative-size': '<code>larger</code> eller <code>smaller</code> end forælderens skrift',
  flex: 'en brøkdel af den ledige plads, fx <code>1fr</code>',
  resolution: 'en opløsning, fx <code>2dppx</code>',
  'box': 'en af boksens kanter: <code>content-box</code>, <code>padding-box</code> eller <code>border-box</code>',
  'visual-box': 'en af boksens kanter: <code>content-box</code>, <code>padding-box</code> eller <code>border-box</code>',
  shadow: 'en skygge: forskydning, sløring, spredning og farve',
  'bg-image': 'et baggrundsbillede eller <code>none</code>',
  'basic-shape': 'en form, fx <code>circle(50%)</code>',
  'transform-list': 'en eller flere transformationer, fx <code>rotate(10deg) scale(1.2)</code>',
  'transform-function': 'en transformation, fx <code>rotate(10deg)</code>',
  'filter-function-list': 'en eller flere filtre, fx <code>blur(2px) grayscale(1)</code>',
};
// Which elements a property applies to, for the data's most common cases;
// the rest say nothing rather than something half right.
const GAELDER = {
  allElements: 'alle elementer', allElementsAndText: 'alle elementer og tekst',
  allElementsAndPseudos: 'alle elementer og pseudoelementer', scrollContainers: 'elementer, der kan rulles',
  transformableElements: 'elementer, der kan transformeres', positionedElements: 'placerede elementer (position forskellig fra static)',
  gridContainers: 'grid-beholdere (display: grid)', flexContainers: 'flex-beholdere (display: flex)',
  flexItemsAndInFlowPseudos: 'elementer i en flex-beholder', gridItemsAndBoxesWithinGridContainer: 'elementer i en grid-beholder',
  blockContainers: 'blokbeholdere', blockLevelElements: 'blokelementer', textElements: 'tekst',
  absolutelyPositionedElements: 'absolut placerede elementer', multicolElements: 'elementer med spalter',
  listItems: 'listepunkter', tableElements: 'tabeller', tableCaptionElements: 'tabeloverskrifter (caption)',
  replacedElements: 'erstattede elementer som img og video', inlineLevelAndTableCellElements: 'elementer på linjen og tabelceller',
  blockContainersFlexContainersGridContainers: 'blok-, flex- og grid-beholdere',
  allElementsExceptTableDisplayTypes: 'alle elementer undtagen tabellernes dele',
  allElementsExceptInternalTableDisplayTypes: 'alle elementer undtagen tabellernes indre dele',
  sameAsWidthAndHeight: 'de samme elementer som width og height', sameAsMargin: 'de samme elementer som margin',
};
const STARTTEKST = {
  'see individual properties': 'se de enkelte egenskaber', 'depends on user agent': 'afhænger af browseren',
  'not defined for shorthand properties': 'se de enkelte egenskaber',
};
// mdn-data's facts about percentages, the computed value and animation, for
// the cases most properties share; a rarer case is left out.
const PROCENT = {
  no: 'kan ikke angives i procent',
  referToWidthOfContainingBlock: 'regnes af bredden på den blok, elementet står i',
  referToDimensionOfBorderBox: 'regnes af elementets egen størrelse med kant',
  referToDimensionOfContentArea: 'regnes af størrelsen på elementets indhold',
  logicalWidthOfContainingBlock: 'regnes af den omgivende bloks bredde i tekstens retning',
  logicalHeightOfContainingBlock: 'regnes af den omgivende bloks højde i tekstens retning',
  blockSizeOfContainingBlock: 'regnes af den omgivende bloks højde',
  inlineSizeOfContainingBlock: 'regnes af den omgivende bloks bredde',
  referToElementFontSize: 'regnes af elementets egen skriftstørrelse',
  referToParentElementsFontSize: 'regnes af forælderens skriftstørrelse',
  referToSizeOfElement: 'regnes af elementets egen størrelse',
  referToSizeOfBoundingBox: 'regnes af størrelsen på den boks, der omslutter elementet',
  referToLineHeight: 'regnes af linjehøjden',
  referToHeightOfContainingBlock: 'regnes af højden på den blok, elementet står i',
  referToSizeOfBackgroundPositioningAreaMinusBackgroundImageSize: 'regnes af baggrundsområdet minus billedets størrelse',
  referToWidthOrHeightOfBorderImageArea: 'regnes af bredden eller højden af kantbilledets område',
  mapToRange0To1: 'svarer til tal fra 0 til 1',
  dependsOnLayoutModel: 'afhænger af, hvordan elementet er sat op (flex, grid eller blok)',
};
const BEREGNET = {
  asSpecified: 'som angivet',
  computedColor: 'farven regnet ud',
  absoluteLength: 'en fast længde',
  asLength: 'en længde',
  absoluteLengthOrPercentage: 'en fast længde eller en procentdel',
  asSpecifiedRelativeToAbsoluteLengths: 'som angivet, med relative længder regnet om til faste',
  percentageAsSpecifiedOrAbsoluteLength: 'en procentdel som angivet, ellers en fast længde',
  absoluteLengthSnappedAsLineWidth: 'en fast længde, rundet som en stregtykkelse',
  asSpecifiedURLsAbsolute: 'som angivet, med adresser gjort fulde',
  twoAbsoluteLengthOrPercentages: 'to faste længder eller procentdele',
  theSpecifiedKeyword: 'det angivne nøgleord',
  asSpecifiedWithLengthValuesComputed: 'som angivet, med længderne regnet ud',
  sameAsBoxOffsets: 'som for top, right, bottom og left',
  forLengthAbsoluteValueOtherwisePercentage: 'en fast længde eller en procentdel',
};
const ANIMATION = {
  discrete: 'skifter i ét hop midt i animationen',
  byComputedValueType: 'glider efter typen af den beregnede værdi',
  byComputedValue: 'glider efter den beregnede værdi',
  notAnimatable: 'kan ikke animeres',
  lpc: 'glider som længde, procentdel eller calc()',
  length: 'glider som en længde',
  color: 'glider som en farve',
  integer: 'glider som et helt tal',
  number: 'glider som et tal',
  transform: 'glider som en transformation',
  repeatableList: 'glider punkt for punkt i listen',
  position: 'glider som en placering',
  visibility: 'skifter synlighed i ét hop',
  shadowList: 'glider som en liste af skygger',
  fontWeight: 'glider som en skriftvægt',
  fontStretch: 'glider som en skriftbredde',
  rectangle: 'glider som et rektangel',
  basicShapeOtherwiseNo: 'glider, når begge værdier er former',
  filterList: 'glider som en liste af filtre',
};
const FAELLES = ['inherit', 'initial', 'unset', 'revert', 'revert-layer'];

// A value that shows off a property in the example: the first candidate the
// lexer accepts, so a page never shows a value the browser would drop.
function eksempelVaerdi(navn, syntaks, start) {
  const saerlige = {
    'font-size': '1.4em', 'font-family': 'Georgia, serif', 'font-weight': 'bold', 'font-style': 'italic',
    color: 'teal', 'background-color': '#fdf6e7', 'text-align': 'center', 'line-height': '2',
    'letter-spacing': '0.2em', 'word-spacing': '0.5em', 'text-transform': 'uppercase',
    'text-decoration': 'underline wavy teal', 'text-shadow': '1px 1px 2px #999', 'text-indent': '2em',
    border: '2px dashed teal', 'border-radius': '12px', 'box-shadow': '3px 3px 6px #999',
    padding: '1em', margin: '1em 3em', width: '60%', height: '4em', opacity: '0.5',
    display: 'inline-block', 'font-variant': 'small-caps', transform: 'rotate(-4deg)',
    'white-space': 'pre', 'writing-mode': 'vertical-rl', 'outline': '2px solid orange',
    'border-style': 'dashed', 'border-width': '3px', 'border-color': 'teal', background: '#fdf6e7',
    'list-style': 'square inside', 'column-count': '2', columns: '2', 'text-decoration-line': 'underline',
    filter: 'blur(1px)', 'backdrop-filter': 'blur(2px)', 'clip-path': 'circle(4em)', rotate: '-4deg', scale: '1.2',
    translate: '1em', 'font': 'italic 1.2em Georgia, serif', 'page-break-before': 'always', 'page-break-after': 'always',
    'page-break-inside': 'avoid', 'break-before': 'page', 'break-after': 'page', 'break-inside': 'avoid',
  };
  const kandidater = [saerlige[navn]];
  if (/<color>/.test(syntaks)) kandidater.push('teal');
  if (/<length/.test(syntaks) && /width|height|size|indent|spacing|gap|margin|padding|inset|top|left|right|bottom|radius/.test(navn)) kandidater.push(navn.includes('radius') ? '12px' : '1em');
  const ord = (s) => topAlternativer(s).filter((a) => /^[a-z-]+$/.test(a) && !['none', 'auto', 'normal', 'initial'].includes(a));
  kandidater.push(...ord(syntaks));
  // Then any keyword the syntax names, also inside groups.
  kandidater.push(...syntaks.replace(/<[^>]*>/g, ' ').split(/[^a-z-]+/).filter((k) => /^[a-z][a-z-]+$/.test(k) && !['none', 'auto', 'normal'].includes(k)));
  for (const [, t] of syntaks.matchAll(/<([a-z-]+)>/g)) if (mdnSyntaxes[t]) kandidater.push(...ord(mdnSyntaxes[t].syntax));
  // No keyword to show: a plain value of a type the syntax takes.
  kandidater.push('1em', '50%', '0.5s', '10deg', '2', '1.5', '"»"', 'min-navn', '--min-navn', 'teal', 'center',
      'solid', 'url("../Billeder/eksempel.svg")', '1px 1px 2px #999', 'rotate(10deg)', 'blur(2px)', 'circle(4em)',
      'ease-in', 'auto', 'none', 'normal', start);
  return kandidater.find((v) => v && passer(navn, v)) ?? null;
}

// The top-level alternatives of a value syntax: "a | b | [c d]" gives a, b, [c d].
export function topAlternativer(syntaks) {
  const ud = [];
  let dybde = 0;
  let nu = '';
  for (let i = 0; i < syntaks.length; ++i) {
    const c = syntaks[i];
    if (c === '[' || c === '(' || c === '<') ++dybde;
    if (c === ']' || c === ')' || c === '>') --dybde;
    if (c === '|' && dybde === 0 && syntaks[i + 1] !== '|' && syntaks[i - 1] !== '|') {
      ud.push(nu.trim());
      nu = '';
    } else {
      nu += c;
    }
  }
  if (nu.trim()) ud.push(nu.trim());
  return ud;
}

// Short noun phrases of the value types, for sentences about a syntax.
const TYPE_KORT = {
  length: 'en længde', percentage: 'en procentdel', 'length-percentage': 'en længde eller procentdel', number: 'et tal',
  integer: 'et helt tal', color: 'en farve', url: 'en adresse', string: 'en tekst i anførselstegn', time: 'en tid',
  angle: 'en vinkel', image: 'et billede', 'custom-ident': 'et navn, du vælger', 'dashed-ident': 'et navn med -- foran',
  ratio: 'et forhold', position: 'en placering', 'line-style': 'en stregtype', 'line-width': 'en stregtykkelse',
  'easing-function': 'en tidskurve', flex: 'en brøkdel (fr)', resolution: 'en opløsning', shadow: 'en skygge',
  'basic-shape': 'en form', 'transform-function': 'en transformation', ident: 'et navn', 'family-name': 'et skriftnavn',
  'generic-family': 'en skriftfamilie', 'single-animation': 'en animation', 'single-transition': 'en overgang',
  'bg-image': 'et baggrundsbillede', 'bg-size': 'en baggrundsstørrelse', 'bg-position': 'en baggrundsplacering',
  'repeat-style': 'en gentagelse', 'attachment': 'en fastgørelse', 'visual-box': 'en boks', box: 'en boks',
  'track-size': 'en sporstørrelse', 'grid-line': 'en gitterlinje', 'counter-style': 'en tællerstil', 'alpha-value': 'en gennemsigtighed',
};
const typeKort = (n) => TYPE_KORT[n] ?? `en <code>${esc(`<${n}>`)}</code>`;
const SKRAA = '/';
const TAL = ['nul', 'én', 'to', 'tre', 'fire', 'fem', 'seks', 'syv', 'otte'];
const tal = (n) => TAL[n] ?? String(n);
const og = (dele, ord = 'og') => dele.length < 2 ? dele.join('') : `${dele.slice(0, -1).join(', ')} ${ord} ${dele.at(-1)}`;

// A value syntax read aloud in Danish, for the rows a gloss does not cover.
export function syntaksTekst(syntaks) {
  let ast;
  try {
    ast = csstree.definitionSyntax.parse(syntaks);
  } catch {
    return null;
  }
  const tekst = (n) => {
    switch (n.type) {
    case 'Keyword': return `<code>${esc(n.name)}</code>`;
    case 'Type': return typeKort(n.name);
    case 'Property': return `en værdi som til <code>${esc(n.name)}</code>`;
    case 'Function': return `<code>${esc(n.name)}(…)</code>`;
    case 'Multiplier': {
      const t = tekst(n.term);
      if (n.comma) return `en eller flere værdier adskilt af komma, hver ${t}`;
      if (n.min === 0 && n.max === 1) return `eventuelt ${t}`;
      if (n.min === 1 && n.max === 0) return `${t}, en eller flere gange`;
      if (n.min === 0 && n.max === 0) return `${t}, vilkårligt mange gange`;
      if (n.min === n.max) return `${t}, ${tal(n.min)} gange`;
      return `${t}, ${tal(n.min)} til ${n.max ? tal(n.max) : 'mange'} gange`;
    }
    case 'Group': {
      const dele = n.terms.filter((x) => !['Token', 'Comma'].includes(x.type) || x.value === '/').map((x) => x.value === '/' ? SKRAA : tekst(x));
      if (n.terms[0]?.type === 'Function') return `<code>${esc(n.terms[0].name)}(…)</code> med ${og(dele.slice(1))}`;
      if (n.combinator === '|') return og(dele, 'eller');
      if (n.combinator === '||') return `en eller flere af ${og(dele)} i vilkårlig rækkefølge`;
      if (n.combinator === '&&') return `${og(dele)} i vilkårlig rækkefølge`;
      // "a efterfulgt af eventuelt b" reads "a, eventuelt efterfulgt af b".
      // A slash between two parts reads "a, en skråstreg og b".
      return dele.reduce((ud, d, k) => !ud ? d : d === SKRAA ? `${ud}, en skråstreg` : dele[k - 1] === SKRAA ? `${ud} og ${d}` :
        /^eventuelt /.test(d) ? `${ud}, eventuelt efterfulgt af ${d.slice(10)}` : `${ud} efterfulgt af ${d}`, '');
    }
    default: return '';
    }
  };
  return tekst(ast);
}

// What one top-level alternative of a property's syntax means.
function vaerdiBeskrivelse(alt, egenskab) {
  if (/^[a-z][a-z0-9-]*$/.test(alt)) return noegleordTekst(alt, egenskab);
  const type = /^<([a-z-]+)(?: \[[^\]]*\])?>$/.exec(alt);
  if (type && TYPER[type[1]]) return TYPER[type[1]];
  const t = syntaksTekst(alt);
  return t ? t.charAt(0).toUpperCase() + t.slice(1) : 'se syntaksen';
}

// Top-level alternatives with a type that is only a list of keywords opened
// one level, so each keyword gets a row of its own.
function vaerdiRaekker(syntaks, egenskab) {
  const ud = [];
  for (const a of topAlternativer(syntaks)) {
    const type = /^<([a-z-]+)>$/.exec(a);
    const def = type && !TYPER[type[1]] && mdnSyntaxes[type[1]]?.syntax;
    const ord = def ? topAlternativer(def) : [];
    if (ord.length && ord.every((o) => /^[a-z][a-z0-9-]*$/.test(o))) {
      for (const o of ord) ud.push([`<code>${esc(o)}</code>`, noegleordTekst(o, egenskab)]);
    } else {
      ud.push([`<code>${esc(a)}</code>`, vaerdiBeskrivelse(a, egenskab)]);
    }
  }
  return ud;
}

// Definitions of the value types a syntax names, one level deep.
function typeDefinitioner(syntaks) {
  const ud = [];
  for (const [, navn] of syntaks.matchAll(/<([a-z][a-z-]*)(?: \[[^\]]*\])?>/g)) {
    if (TYPER[navn] || ud.some((u) => u[0] === navn)) continue;
    const def = mdnSyntaxes[navn]?.syntax;
    if (def && def.length < 400) ud.push([navn, def]);
  }
  return ud;
}

// What each at-rule does, for its lead.
const AT_OM = {
  '@charset': '<code>@charset</code> angiver tegnsættet i en CSS-fil og skal stå allerførst i filen.',
  '@container': '<code>@container</code> gælder kun, når en omgivende beholder har en bestemt størrelse: som @media, men for en del af siden.',
  '@counter-style': '<code>@counter-style</code> laver din egen nummerering til lister, fx med stjerner eller romertal.',
  '@font-face': '<code>@font-face</code> henter en skrifttype fra en fil, så siden kan bruge den under et navn, du selv giver den.',
  '@font-feature-values': '<code>@font-feature-values</code> giver en skrifttypes særlige bogstavformer navne, som font-variant-alternates kan bruge.',
  '@font-palette-values': '<code>@font-palette-values</code> vælger farverne i en farvet skrifttype.',
  '@import': '<code>@import</code> henter reglerne fra en anden CSS-fil ind; den skal stå øverst.',
  '@keyframes': '<code>@keyframes</code> beskriver trinnene i en animation under et navn, som egenskaben animation bruger.',
  '@layer': '<code>@layer</code> samler regler i lag, så et senere lag altid vinder over et tidligere, uanset vælgernes styrke.',
  '@media': '<code>@media</code> gælder kun på bestemte skærme eller ved udskrift, fx kun når vinduet er smalt.',
  '@namespace': '<code>@namespace</code> angiver et navnerum, fx for SVG, som vælgerne kan bruge.',
  '@page': '<code>@page</code> styrer siderne ved udskrift: margener, størrelse og sideskift.',
  '@position-try': '<code>@position-try</code> giver et reservested til et element placeret ved et anker, hvis det ikke er plads det første sted.',
  '@property': '<code>@property</code> erklærer en egen CSS-variabel med type og startværdi, så den også kan animeres.',
  '@scope': '<code>@scope</code> lader reglerne gælde kun inden for en bestemt del af siden.',
  '@starting-style': '<code>@starting-style</code> giver et element de værdier, det starter fra, når det vises første gang, så en overgang kan glide ind.',
  '@supports': '<code>@supports</code> gælder kun, når browseren forstår en bestemt egenskab og værdi.',
  '@view-transition': '<code>@view-transition</code> slår bløde overgange til, når man går fra side til side.',
};

// Arguments for the functional pseudo-classes and -elements in their examples.
const PSEUDO_ARG = {
  'nth-child': '2n', 'nth-last-child': '1', 'nth-of-type': '2', 'nth-last-of-type': '1', not: '.note', is: '.note, .citat',
  where: '.note, .citat', has: 'img', lang: 'da', dir: 'rtl', host: '.kort', 'host-context': '.kort', state: 'aaben',
  part: 'titel', slotted: 'p', highlight: 'fund', 'view-transition-group': '*', 'view-transition-image-pair': '*',
  'view-transition-old': '*', 'view-transition-new': '*', cue: 'b', 'active-view-transition-type': 'fremad',
  'nth-col': '2', 'nth-last-col': '1', heading: '2', 'picker': 'select', 'scroll-button': 'left', 'scroll-marker-group': '',
};

// A declaration that uses each CSS function, for its example.
const FN_BRUG = {
  abs: 'width: calc(abs(-2em) + 10em)', acos: 'rotate: acos(0.5)', anchor: 'top: anchor(bottom)', 'anchor-size': 'width: anchor-size(width)',
  asin: 'rotate: asin(0.5)', atan: 'rotate: atan(1)', atan2: 'rotate: atan2(1, 2)', attr: 'content: attr(title)',
  blur: 'filter: blur(2px)', brightness: 'filter: brightness(1.2)', calc: 'width: calc(100% - 2em)',
  circle: 'clip-path: circle(4em)', clamp: 'font-size: clamp(1em, 2.5vw, 2em)', color: 'color: color(srgb 0 0.5 0.5)',
  'color-mix': 'color: color-mix(in srgb, teal 60%, white)', 'conic-gradient': 'background-image: conic-gradient(teal, #fdf6e7, teal)',
  contrast: 'filter: contrast(1.5)', cos: 'width: calc(10em * cos(45deg))', counter: 'content: counter(afsnit) ". "',
  counters: 'content: counters(afsnit, ".") " "', 'cross-fade': 'background-image: cross-fade(url("../Billeder/eksempel.svg") 50%, url("../Billeder/eksempel.svg"))',
  'cubic-bezier': 'transition-timing-function: cubic-bezier(0.3, 0, 0.2, 1)', 'drop-shadow': 'filter: drop-shadow(2px 2px 3px #999)',
  element: 'background-image: element(#tegning)', ellipse: 'clip-path: ellipse(50% 30%)',
  exp: 'width: calc(1em * exp(2))', 'fit-content': 'grid-template-columns: fit-content(20em) 1fr', grayscale: 'filter: grayscale(1)',
  hsl: 'color: hsl(180 100% 25%)', hsla: 'color: hsla(180, 100%, 25%, 0.5)', 'hue-rotate': 'filter: hue-rotate(90deg)',
  hwb: 'color: hwb(180 0% 50%)', hypot: 'width: hypot(3em, 4em)', image: 'background-image: image("../Billeder/eksempel.svg")',
  'image-set': 'background-image: image-set("../Billeder/eksempel.svg" 1x)', inset: 'clip-path: inset(10px 20px)', invert: 'filter: invert(1)',
  lab: 'color: lab(50% 40 20)', lch: 'color: lch(50% 40 200)', 'light-dark': 'color: light-dark(#333, #eee)',
  linear: 'transition-timing-function: linear(0, 0.8, 1)', 'linear-gradient': 'background-image: linear-gradient(to right, #fdf6e7, teal)',
  log: 'width: calc(1em * log(8, 2))', matrix: 'transform: matrix(1, 0.2, 0, 1, 0, 0)', matrix3d: 'transform: matrix3d(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1)',
  max: 'font-size: max(1em, 14px)', min: 'width: min(100%, 40em)', minmax: 'grid-template-columns: minmax(10em, 1fr) 2fr',
  mod: 'rotate: mod(370deg, 360deg)', oklab: 'color: oklab(60% -0.1 0)', oklch: 'color: oklch(60% 0.1 190)',
  opacity: 'filter: opacity(0.5)', path: 'clip-path: path("M 0 0 L 100 0 L 50 80 Z")', perspective: 'transform: perspective(400px) rotateY(20deg)',
  polygon: 'clip-path: polygon(50% 0, 100% 100%, 0 100%)', pow: 'width: calc(1em * pow(2, 3))', 'radial-gradient': 'background-image: radial-gradient(circle, #fdf6e7, teal)',
  ray: 'offset-path: ray(45deg)', rect: 'clip-path: rect(0 100px 50px 0)', rem: 'rotate: rem(370deg, 360deg)',
  'repeating-conic-gradient': 'background-image: repeating-conic-gradient(teal 0 10deg, #fdf6e7 10deg 20deg)',
  'repeating-linear-gradient': 'background-image: repeating-linear-gradient(45deg, teal 0 5px, #fdf6e7 5px 10px)',
  'repeating-radial-gradient': 'background-image: repeating-radial-gradient(circle, teal 0 5px, #fdf6e7 5px 10px)',
  rgb: 'color: rgb(0 128 128)', rgba: 'color: rgba(0, 128, 128, 0.5)', rotate: 'transform: rotate(-4deg)', rotate3d: 'transform: rotate3d(1, 1, 0, 30deg)',
  rotateX: 'transform: rotateX(30deg)', rotateY: 'transform: rotateY(30deg)', rotateZ: 'transform: rotateZ(30deg)', round: 'width: round(10.4em, 1em)',
  saturate: 'filter: saturate(2)', scale: 'transform: scale(1.2)', scale3d: 'transform: scale3d(1.2, 1.2, 1)', scaleX: 'transform: scaleX(1.5)',
  scaleY: 'transform: scaleY(1.5)', scaleZ: 'transform: scaleZ(2)', scroll: 'animation-timeline: scroll()', sepia: 'filter: sepia(1)',
  sign: 'width: calc(10em * sign(5))', sin: 'width: calc(10em * sin(30deg))', skew: 'transform: skew(10deg)', skewX: 'transform: skewX(10deg)',
  skewY: 'transform: skewY(10deg)', sqrt: 'width: calc(1em * sqrt(16))', steps: 'animation-timing-function: steps(4)',
  tan: 'width: calc(10em * tan(30deg))',
  translate: 'transform: translate(1em, 0.5em)', translate3d: 'transform: translate3d(1em, 0, 0)',
  translateX: 'transform: translateX(1em)', translateY: 'transform: translateY(1em)', translateZ: 'transform: translateZ(10px)',
  url: 'background-image: url("../Billeder/eksempel.svg")', var: 'color: var(--min-farve, teal)', view: 'animation-timeline: view()',
  xywh: 'clip-path: xywh(0 0 100% 50%)',
};

// Functions the data lists only as value types of others.
const EKSTRA_FUNKTIONER = {
  'rgba()': {syntax: mdnSyntaxes['rgba()']?.syntax, om: 'er et gammelt navn for <code>rgb()</code> fra dengang, gennemsigtighed krævede sin egen funktion; i dag gør de to det samme.', noegle: 'css.types.color.rgb'},
  'hsla()': {syntax: mdnSyntaxes['hsla()']?.syntax, om: 'er et gammelt navn for <code>hsl()</code> fra dengang, gennemsigtighed krævede sin egen funktion; i dag gør de to det samme.', noegle: 'css.types.color.hsl'},
  'url()': {syntax: 'url( <string> <url-modifier>* ) | <url-token>', om: 'peger på en fil, fx et billede eller en skrifttype. En relativ adresse regnes fra CSS-filen eller, i en <code>style</code>-attribut, fra siden.', noegle: 'css.types.url'},
};

export function lavCss(haand) {
  const rod = new Element('CSS', 'CSS', IKON.rod, {
    kodeOverskrift: false, art: 'opslag',
    lead: ['Her kan du slå CSS op: egenskaberne, som giver dine sider deres udseende, og de regler, vælgere og funktioner, de skrives med. Stå med markøren i et navn i designeditoren og tryk <span class="tast">Ctrl+Alt+C</span> eller <span class="knap">Css info..</span>; i en <code>style</code>-attribut på en side virker <span class="tast">Ctrl+Alt+H</span> også.',
      'Egenskaberne står i grupper efter emne; derefter kommer at-reglerne (der begynder med <code>@</code>), pseudoklasserne og pseudoelementerne (der skrives efter et eller to koloner i en vælger) og funktionerne.'],
    listeOverskrift: 'Grupperne',
  });
  const grupper = new Map();
  const gruppe = (mdnGruppe) => {
    const [navn, om] = GRUPPER[mdnGruppe] ?? OEVRIGE;
    if (!grupper.has(navn)) {
      grupper.set(navn, new Element(navn, sidenavn('gruppe', navn.replace(/[æÆ]/g, 'ae').replace(/[øØ]/g, 'oe').replace(/[åÅ]/g, 'aa')), IKON.gruppe,
          {kodeOverskrift: false, art: 'egenskabsgruppe', lead: [`Egenskaberne i gruppen ${esc(navn)} styrer${komma(om)} ${om}.`], om, listeOverskrift: 'Egenskaberne'}));
    }
    return grupper.get(navn);
  };
  const webrefProp = new Map(webrefCss.properties.map((p) => [p.name, p]));

  const egenskaber = new Map();
  // Old names kept as aliases: shown with a warning that names the new one.
  const ALIASER = {'page-break-before': 'break-before', 'page-break-after': 'break-after', 'page-break-inside': 'break-inside'};
  for (const [navn, p] of Object.entries(mdnProperties)) {
    if (navn.startsWith('-') || p.status === 'nonstandard' || (p.status === 'obsolete' && !ALIASER[navn])) continue;
    // Anchor positioning lists itself first on properties that belong elsewhere.
    const g = gruppe(p.groups?.[0] === 'CSS Anchor Positioning' && p.groups[1] ? p.groups[1] : p.groups?.[0]);
    const w = webrefProp.get(navn);
    // webref's syntax of a longhand family is often only "like that property";
    // mdn-data then spells the values out.
    const syntaks = w?.syntax && !(/<'/.test(w.syntax) && !/<'/.test(p.syntax)) ? w.syntax : p.syntax;
    const e = new Element(navn, sidenavn('egenskab', navn), IKON.egenskab, {visNavn: navn, art: 'CSS-egenskab'});
    const i = e.indhold;
    const arves = p.inherited === true || w?.inherited === 'yes';
    i.lead = [`<code>${esc(navn)}</code> hører til gruppen ${esc(g.tekst)}, som styrer${komma(g.indhold.om)} ${g.indhold.om}.`];
    if (p.status === 'experimental') i.lead.push('Egenskaben er ny og stadig under udvikling.');
    i.advarsel = ALIASER[navn] ?
      `<code>${esc(navn)}</code> er et gammelt navn, som browserne stadig forstår. Brug <code>${ALIASER[navn]}</code> i nye sider.` :
      advarsel(`css.properties.${navn}`);
    i.sti = `Gruppe: <a href="${g.side}.html">${esc(g.tekst)}</a>`;
    i.syntaks = esc(`${navn}: ${syntaks};`);
    const defs = typeDefinitioner(syntaks);
    if (defs.length) i.syntaksNote = defs.map(([n, d]) => `<code>${esc(`<${n}>`)}</code> = <code>${esc(d)}</code>`).join('<br>');
    i.tabel = {overskrift: 'Værdier', koloner: ['Værdi', 'Hvad det er'], raekker: vaerdiRaekker(syntaks, navn),
      note: `Desuden kan alle egenskaber have værdierne ${FAELLES.map((f) => `<code>${f}</code>`).join(', ')}.`};
    let start = w?.initial ?? (typeof p.initial === 'string' ? p.initial : null);
    if (start && STARTTEKST[start.toLowerCase()]) start = null;
    i.fakta = [
      ['Startværdi', start ? `<code>${esc(start)}</code>` : STARTTEKST[(w?.initial ?? '').toLowerCase()] ?? 'se de enkelte egenskaber'],
      ['Arves', arves ? 'ja: elementer inden i får samme værdi, hvis intet andet er sat' : 'nej'],
    ];
    if (GAELDER[p.appliesto]) i.fakta.push(['Gælder for', GAELDER[p.appliesto]]);
    if (Array.isArray(p.initial)) i.fakta.push(['Kortform for', p.initial.map((x) => `<code>${esc(x)}</code>`).join(', ')]);
    for (const [felt, overskrift, tabel] of [['percentages', 'Procenter', PROCENT], ['computed', 'Beregnet værdi', BEREGNET], ['animationType', 'Animation', ANIMATION]]) {
      const v = p[felt];
      if (typeof v === 'string' && tabel[v]) i.fakta.push([overskrift, tabel[v]]);
    }
    i.stoette = understoettelse(`css.properties.${navn}`);
    i.kortform = Array.isArray(p.initial) ? p.initial : [];
    const h = haand.get(navn);
    if (h) {
      i.lead = h.afsnit;
      i.eksempel = {html: h.html, css: h.css, js: h.js};
      i.haandskrevet = true;
    } else {
      const v = eksempelVaerdi(navn, syntaks, start);
      const klasse = `eks-${sidenavn(navn)}`;
      i.eksempel = v ?
        {html: `<p class="${klasse}">Her har afsnittet fået <code>${esc(navn)}: ${esc(v)}</code>.</p>`,
          css: `.${klasse} { ${navn}: ${v}; }`} : null;
    }
    egenskaber.set(navn, e);
    g.tilfoej(e);
  }
  const gruppeListe = [...grupper.values()].sort(alfabetisk);
  for (const g of gruppeListe) {
    g.born.sort(alfabetisk);
    rod.tilfoej(g);
  }
  // Related: the longhands a shorthand sets, the shorthands that set a
  // property, the old and new names, then the rest of its group.
  const kortformerAf = new Map();
  for (const e of egenskaber.values()) {
    for (const k of e.indhold.kortform) {
      if (!kortformerAf.has(k)) kortformerAf.set(k, []);
      kortformerAf.get(k).push(e);
    }
  }
  for (const e of egenskaber.values()) {
    const alias = Object.entries(ALIASER).flatMap(([gl, ny]) => e.tekst === gl ? [ny] : e.tekst === ny ? [gl] : []);
    const fra = [...e.indhold.kortform, ...alias].map((k) => egenskaber.get(k)).filter(Boolean);
    const til = kortformerAf.get(e.tekst) ?? [];
    const soeskende = e.forælder.born.filter((b) => b !== e && !fra.includes(b) && !til.includes(b));
    e.indhold.relaterede = [...til, ...fra, ...soeskende].slice(0, 12);
  }

  // At-rules.
  const atGruppe = rod.tilfoej(new Element('At-regler', 'gruppe-at-regler', IKON.gruppe, {kodeOverskrift: false, art: 'gruppe',
    lead: ['En at-regel begynder med <code>@</code> og giver reglerne i designet en betingelse eller en særlig opgave: kun ved udskrift, kun på smalle skærme, egne skrifttyper eller animationer.'],
    listeOverskrift: 'At-reglerne'}));
  const webrefAt = new Map(webrefCss.atrules.map((a) => [a.name, a]));
  const atEksempler = {
    '@media': '@media (max-width: 600px) {\n  .spalte { width: 100%; }\n}',
    '@import': '@import url("farver.css");',
    '@font-face': '@font-face {\n  font-family: "Min skrift";\n  src: url("../Billeder/minskrift.woff2");\n}',
    '@keyframes': '@keyframes blink {\n  from { opacity: 1; }\n  to { opacity: 0.2; }\n}',
    '@page': '@page {\n  margin: 2cm;\n}',
    '@supports': '@supports (display: grid) {\n  .galleri { display: grid; }\n}',
    '@charset': '@charset "utf-8";',
    '@container': '.kort { container-type: inline-size; }\n@container (min-width: 30em) {\n  .kort p { columns: 2; }\n}',
    '@counter-style': '@counter-style stjerner {\n  system: cyclic;\n  symbols: "*";\n  suffix: " ";\n}',
    '@font-palette-values': '@font-palette-values --lys {\n  font-family: "Min skrift";\n  base-palette: 1;\n}',
    '@layer': '@layer grund, tema;\n@layer grund {\n  p { color: #333; }\n}',
    '@namespace': '@namespace svg url("http://www.w3.org/2000/svg");',
    '@position-try': '@position-try --under {\n  top: anchor(bottom);\n}',
    '@property': '@property --vinkel {\n  syntax: "<angle>";\n  inherits: false;\n  initial-value: 0deg;\n}',
    '@scope': '@scope (.kort) {\n  p { color: teal; }\n}',
    '@starting-style': '.boks { transition: opacity 0.5s; }\n@starting-style {\n  .boks { opacity: 0; }\n}',
    '@view-transition': '@view-transition {\n  navigation: auto;\n}',
  };
  for (const [navn, a] of Object.entries(mdnAtRules)) {
    if (a.status === 'nonstandard' || a.status === 'obsolete') continue;
    const e = atGruppe.tilfoej(new Element(navn, sidenavn('at', navn), IKON.andet, {visNavn: navn, art: 'at-regel'}));
    const i = e.indhold;
    i.lead = [AT_OM[navn] ?? `<code>${esc(navn)}</code> er en at-regel i CSS.`];
    i.advarsel = advarsel(`css.at-rules.${navn.slice(1)}`);
    i.sti = '<a href="gruppe-at-regler.html">At-regler</a>';
    i.syntaks = esc(a.syntax);
    const w = webrefAt.get(navn);
    const deskr = (w?.descriptors ?? []).filter((d) => !d.name.startsWith('-'));
    if (deskr.length) {
      i.tabel = {overskrift: navn === '@media' ? 'Medieegenskaber' : 'Beskrivelser', koloner: ['Navn', 'Værdi'],
        raekker: deskr.map((d) => [`<code>${esc(d.name)}</code>`, `<code>${esc(d.syntax ?? (d.type === 'range' ? 'et område' : ''))}</code>`])};
    }
    i.stoette = understoettelse(`css.at-rules.${navn.slice(1)}`);
    const h = haand.get(navn);
    if (h) {
      i.lead = h.afsnit;
      i.eksempel = {html: h.html, css: h.css, js: h.js};
      i.haandskrevet = true;
    } else {
      i.eksempel = atEksempler[navn] ? {css: atEksempler[navn]} : null;
    }
  }
  atGruppe.born.sort(alfabetisk);

  // Pseudo-classes and pseudo-elements: the element text is the name the
  // editor's look-up gives with the caret on it, without colons and brackets.
  const pk = rod.tilfoej(new Element('Pseudoklasser', 'gruppe-pseudoklasser', IKON.gruppe, {kodeOverskrift: false, art: 'gruppe',
    lead: ['En pseudoklasse skrives med ét kolon efter en vælger og rammer elementer i en bestemt tilstand, fx <code>a:hover</code> for et link, musen står over, eller <code>li:first-child</code> for det første punkt i en liste.'],
    listeOverskrift: 'Pseudoklasserne'}));
  const pe = rod.tilfoej(new Element('Pseudoelementer', 'gruppe-pseudoelementer', IKON.gruppe, {kodeOverskrift: false, art: 'gruppe',
    lead: ['Et pseudoelement skrives med to koloner efter en vælger og rammer en del af et element, som ikke har sin egen kode, fx det første bogstav eller indhold sat ind før elementet.'],
    listeOverskrift: 'Pseudoelementerne'}));
  const pseudoVaerdi = {hover: 'background-color: #fdf6e7;', 'first-letter': 'font-size: 2em; color: teal;',
    'first-line': 'font-weight: bold;', before: 'content: "» "; color: teal;', after: 'content: " «"; color: teal;',
    marker: 'color: teal;', 'first-child': 'color: teal;', 'last-child': 'color: teal;', selection: 'background-color: #ffd;',
    placeholder: 'color: teal;'};
  for (const [fuld, s] of Object.entries(mdnSelectors)) {
    if (!fuld.startsWith(':') || /^::?-/.test(fuld) || s.status === 'nonstandard' || s.status === 'obsolete') continue;
    const element = fuld.startsWith('::');
    const kort = fuld.replace(/^::?/, '').replace(/\(\)$/, '');
    const g = element ? pe : pk;
    // ":host" and ":host()" are one name to the look-up: one page for both forms.
    const tvilling = g.born.find((b) => b.tekst === kort);
    if (tvilling) {
      tvilling.indhold.syntaks += '\r\n' + esc(`vælger${fuld.replace(/\(\)$/, '(…)')} { egenskab: værdi; }`);
      continue;
    }
    const e = g.tilfoej(new Element(kort, sidenavn(element ? 'pe' : 'pk', kort), IKON.andet,
        {visNavn: fuld, art: element ? 'pseudoelement' : 'pseudoklasse'}));
    const i = e.indhold;
    i.lead = [PSEUDO[kort] ? `<code>${esc(fuld)}</code> ${PSEUDO[kort]}.` :
      `<code>${esc(fuld)}</code> er et ${element ? 'pseudoelement' : 'pseudoklasse'} i CSS.`.replace('et pseudoklasse', 'en pseudoklasse')];
    i.sti = `<a href="${g.side}.html">${esc(g.tekst)}</a>`;
    i.syntaks = esc(`vælger${fuld.replace(/\(\)$/, '(…)')} { egenskab: værdi; }`);
    i.stoette = understoettelse(`css.selectors.${kort}`);
    i.advarsel = advarsel(`css.selectors.${kort}`);
    const h = haand.get(fuld) ?? haand.get(fuld.replace(/\(\)$/, '')) ?? haand.get(kort);
    if (h) {
      i.lead = h.afsnit;
      i.eksempel = {html: h.html, css: h.css, js: h.js};
      i.haandskrevet = true;
    } else if (pseudoVaerdi[kort]) {
      const k = `eks-${kort}`;
      i.eksempel = kort.endsWith('child') ?
        {html: `<ul class="${k}">\n  <li>Første</li>\n  <li>Anden</li>\n  <li>Tredje</li>\n</ul>`, css: `.${k} li${fuld} { ${pseudoVaerdi[kort]} }`} :
        kort === 'placeholder' ? {html: `<input class="${k}" placeholder="Skriv her">`, css: `.${k}${fuld} { ${pseudoVaerdi[kort]} }`} :
        kort === 'marker' ? {html: `<ul class="${k}">\n  <li>Punkt</li>\n</ul>`, css: `.${k} li${fuld} { ${pseudoVaerdi[kort]} }`} :
        {html: `<p class="${k}">Et afsnit, der viser ${esc(fuld)}.</p>`, css: `.${k}${fuld} { ${pseudoVaerdi[kort]} }`};
    } else {
      const vaelger = PSEUDO_ARG[kort] ? `${fuld.replace(/\(\)$/, '')}(${PSEUDO_ARG[kort]})` : fuld;
      const css = `${PSEUDO_ELEMENT[kort] ?? (['first', 'left', 'right', 'blank'].includes(kort) ? '@page ' : 'p')}${vaelger} {\n  ${['first', 'left', 'right', 'blank'].includes(kort) ? 'margin: 2cm' : 'color: teal'};\n}`;
      i.eksempel = tjekCss(css).length ? null : {css};
    }
  }
  pk.born.sort(alfabetisk);
  pe.born.sort(alfabetisk);

  // Functions.
  const fn = rod.tilfoej(new Element('Funktioner', 'gruppe-funktioner', IKON.gruppe, {kodeOverskrift: false, art: 'gruppe',
    lead: ['En CSS-funktion skrives som et navn med parenteser og giver en værdi: en beregning, en farve, en variabel eller en transformation.'],
    listeOverskrift: 'Funktionerne'}));
  const fnEksempler = {calc: 'width: calc(100% - 2em);', var: 'color: var(--min-farve);', rgb: 'color: rgb(0 128 128);',
    'linear-gradient': 'background-image: linear-gradient(to right, #fdf6e7, teal);', url: 'background-image: url("../Billeder/sol.png");',
    min: 'width: min(100%, 40em);', max: 'font-size: max(1em, 14px);', clamp: 'font-size: clamp(1em, 2.5vw, 2em);',
    hsl: 'color: hsl(180 100% 25%);', rotate: 'transform: rotate(-4deg);', scale: 'transform: scale(1.2);'};
  for (const [fuld, f] of [...Object.entries(mdnFunctions), ...Object.entries(EKSTRA_FUNKTIONER)]) {
    if (f.status === 'nonstandard' || f.status === 'obsolete' || fuld.startsWith('-')) continue;
    const kort = fuld.replace(/\(\)$/, '');
    const e = fn.tilfoej(new Element(kort, sidenavn('fn', kort), IKON.metode, {visNavn: fuld, art: 'CSS-funktion', gruppe: f.groups?.[0] ?? (f.noegle?.includes('color') ? 'CSS Color' : null)}));
    const i = e.indhold;
    const brug = /^([a-z-]+):/.exec(FN_BRUG[kort] ?? '')?.[1];
    const gruppeNavn = GRUPPER[f.groups?.[0]]?.[0];
    i.lead = [f.om ? `<code>${esc(fuld)}</code> ${f.om}` :
      `<code>${esc(fuld)}</code> er en CSS-funktion${gruppeNavn ? ` fra gruppen ${esc(gruppeNavn)}` : ''}` +
      (brug ? `; den står i værdien af egenskaber som <code>${esc(brug)}</code>.` : '.')];
    i.sti = '<a href="gruppe-funktioner.html">Funktioner</a>';
    i.syntaks = esc(f.syntax);
    i.advarsel = f.om?.includes('gammelt navn') ? `Skriv hellere <code>${kort.slice(0, 3)}()</code> i nye sider; den tager også en gennemsigtighed.` : null;
    i.stoette = understoettelse(...(f.noegle ? [f.noegle] : []), `css.types.${kort}`, `css.types.image.${kort}`, `css.types.color.${kort}`, `css.types.transform-function.${kort}`, `css.types.basic-shape.${kort}`, `css.types.filter-function.${kort}`);
    const h = haand.get(fuld) ?? haand.get(kort);
    if (h) {
      i.lead = h.afsnit;
      i.eksempel = {html: h.html, css: h.css, js: h.js};
      i.haandskrevet = true;
    } else if (fnEksempler[kort]) {
      const k = `eks-${kort}`;
      i.eksempel = {html: `<p class="${k}">Et afsnit, der bruger ${esc(fuld)}.</p>`, css: `.${k} { ${fnEksempler[kort]}${kort === 'var' ? ' --min-farve: teal;' : ''} }`,
        vis: kort !== 'url'};
    } else if (FN_BRUG[kort]) {
      i.eksempel = {css: `.eksempel {\n  ${FN_BRUG[kort]};\n}`};
    } else {
      i.eksempel = null;
    }
  }
  fn.born.sort(alfabetisk);
  // Related: the property a function is shown in, then functions of its group.
  for (const e of fn.born) {
    const brug = egenskaber.get(/^([a-z-]+):/.exec(FN_BRUG[e.tekst] ?? '')?.[1]);
    const slags = fn.born.filter((b) => b !== e && b.indhold.gruppe && b.indhold.gruppe === e.indhold.gruppe);
    e.indhold.relaterede = [...(brug ? [brug] : []), ...slags].slice(0, 10);
  }

  for (const g of rod.born) g.indhold.liste = g.born.map((b) => [b, '']);
  rod.indhold.liste = rod.born.map((g) => [g, g.indhold.om ? esc(g.indhold.om) : '']);
  return {rod, find: findere(rod)};
}
