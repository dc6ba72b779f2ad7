// Checks of a page's example before it is written: the CSS must be valid to
// the lexer, the JavaScript must parse and do something. A reader copies these
// examples into a diary page, so a placeholder or a no-op is a fault.

import * as acorn from 'acorn';
import * as csstree from 'css-tree';
import mdnProperties from 'mdn-data/css/properties.json' with {type: 'json'};
import mdnSyntaxes from 'mdn-data/css/syntaxes.json' with {type: 'json'};

const entiteter = {amp: '&', lt: '<', gt: '>', quot: '"', apos: "'"};
const afkod = (s) => s.replace(/&(#\d+|[a-z]+);/g, (m, n) =>
  n.startsWith('#') ? String.fromCodePoint(Number(n.slice(1))) : entiteter[n] ?? m);

// Problems of a style sheet or, with liste=true, of a style attribute's declarations.
export function tjekCss(css, {liste = false} = {}) {
  const fejl = [];
  if (/…|<[a-z'-]+>|\{\d+,\d*\}/.test(css.replace(/"[^"]*"/g, '""'))) fejl.push('a syntax placeholder');
  const ast = csstree.parse(css, {
    context: liste ? 'declarationList' : 'stylesheet',
    positions: true,
    onParseError: (e) => fejl.push(`parse: ${e.message}`),
  });
  csstree.walk(ast, {
    visit: 'Declaration',
    enter(d) {
      if (d.property.startsWith('--')) return;
      // Inside an at-rule without a selector, a declaration is the rule's descriptor.
      // @page also takes ordinary properties such as margin.
      let m = this.atrule && !this.rule ? lexer.matchAtruleDescriptor(this.atrule.name, d.property, d.value) : null;
      if (!m || /Unknown at-rule descriptor/.test(m.error?.message)) m = lexer.matchDeclaration(d);
      if (m.error && !/var\(\) is not supported/.test(m.error.message)) fejl.push(`${d.property}: ${m.error.message.split('\n')[0]}`);
    },
  });
  csstree.walk(ast, {
    visit: 'Atrule',
    enter(a) {
      if (!lexer.getAtrule(a.name)) {
        fejl.push(`unknown at-rule @${a.name}`);
      } else if (a.prelude && a.prelude.type !== 'Raw') {
        const m = lexer.matchAtrulePrelude(a.name, a.prelude);
        if (m.error) fejl.push(`@${a.name}: ${m.error.message.split('\n')[0]}`);
      } else if (a.prelude?.type === 'Raw' && a.prelude.value.trim()) {
        fejl.push(`@${a.name}: prelude does not parse`);
      }
    },
  });
  return fejl;
}

const tekstAf = (kilde, n) => kilde.slice(n.start, n.end).replace(/\s+/g, '');

// Problems of a script: it must parse, and assign nothing to itself.
export function tjekJs(js, {haandtag = false} = {}) {
  if (/…/.test(js)) return ['a placeholder "…"'];
  let ast;
  for (const sourceType of ['script', 'module']) {
    try {
      ast = acorn.parse(js, {ecmaVersion: 'latest', sourceType, allowReturnOutsideFunction: haandtag});
      break;
    } catch (e) {
      if (sourceType === 'module') return [`parse: ${e.message}`];
    }
  }
  const fejl = [];
  const besoeg = (n) => {
    if (!n || typeof n.type !== 'string') return;
    if (n.type === 'AssignmentExpression' && n.operator === '=' && tekstAf(js, n.left) === tekstAf(js, n.right)) {
      fejl.push(`assigns ${tekstAf(js, n.left)} to itself`);
    }
    for (const v of Object.values(n)) {
      if (Array.isArray(v)) v.forEach(besoeg);
      else if (v && typeof v === 'object') besoeg(v);
    }
  };
  besoeg(ast);
  return fejl;
}

// Problems of an example {html, css, js, kode}; giverIntet names a method
// whose result must not be stored, since it gives nothing back.
export function tjekEksempel(x, {giverIntet} = {}) {
  if (!x) return [];
  const fejl = [];
  if (x.css) fejl.push(...tjekCss(x.css).map((f) => `css: ${f}`));
  for (const kode of [x.js, x.kode].filter(Boolean)) {
    fejl.push(...tjekJs(kode).map((f) => `js: ${f}`));
    if (giverIntet && new RegExp(`=\\s*[\\w.]+\\.${giverIntet}\\(`).test(kode)) fejl.push(`js: stores the result of ${giverIntet}(), which gives nothing back`);
  }
  if (x.html) {
    if (/="…"/.test(x.html)) fejl.push('html: an attribute value "…"');
    for (const [, navn, v] of x.html.matchAll(/\s(on[a-z]+)="([^"]*)"/g)) {
      fejl.push(...tjekJs(afkod(v), {haandtag: true}).map((f) => `${navn}: ${f}`));
    }
    for (const [, v] of x.html.matchAll(/\sstyle="([^"]*)"/g)) {
      fejl.push(...tjekCss(afkod(v), {liste: true}).map((f) => `style: ${f}`));
    }
    for (const [, v] of x.html.matchAll(/<style>([\s\S]*?)<\/style>/g)) fejl.push(...tjekCss(v).map((f) => `<style>: ${f}`));
    for (const [, v] of x.html.matchAll(/<script>([\s\S]*?)<\/script>/g)) fejl.push(...tjekJs(v).map((f) => `<script>: ${f}`));
  }
  return fejl;
}

// The lexer also knows the newest properties and value types of the data.
const lexer = (() => {
  const egenskaber = {};
  const typer = {};
  for (const [n, p] of Object.entries(mdnProperties)) if (!n.startsWith('-') && !csstree.lexer.getProperty(n)) egenskaber[n] = p.syntax;
  for (const [n, s] of Object.entries(mdnSyntaxes)) if (!csstree.lexer.getType(n)) typer[n] = s.syntax;
  return csstree.fork({properties: egenskaber, types: typer}).lexer;
})();

// Whether a value is valid for a property.
export function passer(egenskab, vaerdi) {
  try {
    return !lexer.matchProperty(egenskab, csstree.parse(vaerdi, {context: 'value'})).error;
  } catch {
    return false;
  }
}
