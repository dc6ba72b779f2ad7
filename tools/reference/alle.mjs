// Builds the three reference trees in memory, ready to be checked and written.

import {join} from 'node:path';

import {cssGrundbegreber, jsOperatorer} from './begreber.mjs';
import {lavCss} from './css.mjs';
import {foerstForst, foldAZ, laesHaandskrevet} from './felles.mjs';
import {lavHtml5} from './html5.mjs';
import {lavJavaScript} from './javascript.mjs';
import {tjekEksempel} from './tjek.mjs';

// Hand-written entries; the generator reports any that found no element.
// Keys compare as the look-up does, A–Z folded.
function haandskrevet(mappe, navn) {
  const poster = new Map([...laesHaandskrevet(join(mappe, `${navn}.md`))]
      .map(([k, v]) => [foldAZ(k), v]));
  const brugt = new Set();
  return {
    get(noegle) {
      // An entry belongs to the element the look-up reaches: the first asked.
      const k = foldAZ(noegle);
      if (brugt.has(k)) return undefined;
      const p = poster.get(k);
      if (p) brugt.add(k);
      return p;
    },
    ubrugte: () => [...poster.values()].filter((p) => !brugt.has(foldAZ(p.noegle))).map((p) => p.noegle),
    antal: () => poster.size,
  };
}

// A group named like an element would catch the look-up of that name.
function tjekGrupper(rod) {
  const alle = [...foerstForst(rod)];
  const navne = new Set(alle.filter((e) => !e.born.length).map((e) => foldAZ(e.tekst)));
  for (const e of alle) {
    if (e.born.length && e !== rod && navne.has(foldAZ(e.tekst)) &&
        !['DOM-interface', 'indbygget objekt'].includes(e.indhold.art)) {
      throw new Error(`group "${e.tekst}" shadows an element of the same name`);
    }
  }
}

// Every example's problems, as "structure/page: problem".
export function eksempelFejl(navn, rod) {
  const ud = [];
  for (const e of foerstForst(rod)) {
    for (const f of tjekEksempel(e.indhold.eksempel, {giverIntet: e.indhold.giverIntet ? e.tekst.replace(/^.*\./, '') : undefined})) {
      ud.push(`${navn}/${e.side}: ${f}`);
    }
  }
  return ud;
}

export async function bygAlle(programDir, haandMappe) {
  const html = haandskrevet(haandMappe, 'Html5');
  const h5 = lavHtml5(programDir, html);
  const css = haandskrevet(haandMappe, 'CSS');
  const c = lavCss(css);
  cssGrundbegreber(c.rod, css);
  const js = haandskrevet(haandMappe, 'JavaScript');
  const j = await lavJavaScript(js);
  jsOperatorer(j.rod, js);
  const ud = [];
  for (const [navn, s, h] of [['Html5', h5, html], ['CSS', c, css], ['JavaScript', j, js]]) {
    tjekGrupper(s.rod);
    // A page without related names of its own links its neighbours in the tree.
    for (const e of foerstForst(s.rod)) {
      if (e.indhold.relaterede?.length || !e.forælder || e.born.length) continue;
      const soeskende = e.forælder.born;
      const i = soeskende.indexOf(e);
      e.indhold.relaterede = soeskende.slice(Math.max(0, i - 3), i + 4).filter((b) => b !== e);
    }
    // Sound and video files are not delivered: such an example is shown as code.
    for (const e of foerstForst(s.rod)) {
      const x = e.indhold.eksempel;
      if (x?.html && x.vis !== false && /\.(mp3|mp4|webm|ogg|vtt)"/.test(x.html)) {
        x.vis = false;
        x.tekst ??= 'Eksemplet vises kun som kode, for lyd- og videofilerne følger ikke med.';
      }
    }
    ud.push({navn, rod: s.rod, ubrugte: h.ubrugte(), ukendte: s.ukendte ?? []});
  }
  return ud;
}
