// funktioner.js - sidernes egne funktioner.
// Alle sider henter denne fil; tilføj gerne dine egne funktioner her.

// Folder et skjult tekstafsnit ud eller sammen. Kaldes fra overskriften i
// klicheen "Skjult tekst": <div class="header" onmouseup="showBox(this)">.
// Teksten er det følgende element med klassen "indhold".
function showBox(overskrift) {
  if (!overskrift) {
    return;
  }
  var indhold = overskrift.nextElementSibling;
  while (indhold && !indhold.classList.contains("indhold")) {
    indhold = indhold.nextElementSibling;
  }
  if (!indhold) {
    return;
  }
  var vis = window.getComputedStyle(indhold).display === "none";
  indhold.style.display = vis ? "block" : "none";
  overskrift.classList.toggle("aaben", vis);
}
