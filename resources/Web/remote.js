// The console's remote: polls the page data, draws the pages and their
// buttons, and sends a press for a tapped button.
(function () {
  "use strict";
  var shownPage = null;
  var data = null;

  // The page data is a script object literal (its keys are not quoted).
  function parse(text) { return new Function("return (" + text + ");")(); }

  function request(url, done) {
    var xhr = new XMLHttpRequest();
    xhr.open("GET", url, true);
    xhr.onload = function () {
      if (xhr.status !== 200) { status("Console answered " + xhr.status); return; }
      try { done(parse(xhr.responseText)); status(""); } catch (e) { status("Unreadable answer"); }
    };
    xhr.onerror = function () { status("Console not reachable"); };
    xhr.send();
  }

  function status(text) { document.getElementById("status").textContent = text; }

  function draw(d) {
    data = d;
    document.getElementById("title").textContent = d.sPageTitle || "VarnelDMX Remote";
    if (shownPage === null && d.aPages.length > 0) shownPage = d.aPages[0].sID;
    var pages = document.getElementById("pages");
    pages.textContent = "";
    d.aPages.forEach(function (p) {
      var b = document.createElement("button");
      b.textContent = p.sName;
      b.className = p.sID === shownPage ? "shown" : "";
      b.setAttribute("data-page", p.sID);
      b.onclick = function () { shownPage = p.sID; draw(data); };
      pages.appendChild(b);
    });
    var buttons = document.getElementById("buttons");
    buttons.textContent = "";
    d.aButtons.forEach(function (btn) {
      if (btn.sPageID !== shownPage) return;
      var b = document.createElement("button");
      b.textContent = btn.sCaption;
      b.className = (btn.bIsOn ? "on" : "") + (btn.bIsLocked ? " locked" : "");
      b.setAttribute("data-button", btn.sButtonID);
      b.onclick = function () {
        request("/CGI/BUTTONCLICK.ASP?PageID=" + encodeURIComponent(btn.sPageID) + "&ButtonID=" +
                encodeURIComponent(btn.sButtonID) + "&ButtonAction=Click", draw);
      };
      buttons.appendChild(b);
    });
  }

  function poll() { request("/CGI/GETDATA.ASP", draw); }
  poll();
  setInterval(poll, 1000);
})();
