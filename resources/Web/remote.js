// The console's remote: polls the page data, draws the pages and their
// buttons, and sends a press for a tapped button.
(function () {
  "use strict";
  var shownPage = null;
  var data = null;

  // The page data is a script object literal: keys are not quoted, texts
  // are in double quotes with only the double quote escaped. It is read
  // here, never run as code, so a caption cannot act on the page.
  function parse(text) {
    var at = 0;
    function fail() { throw new Error("page data unreadable at " + at); }
    function space() { while (at < text.length && /\s/.test(text[at])) at++; }
    function expect(c) { space(); if (text[at] !== c) fail(); at++; }
    function string() {
      expect('"');
      var out = "";
      for (;;) {
        if (at >= text.length) fail();
        var c = text[at++];
        if (c === '"') return out;
        if (c === "\\" && text[at] === '"') { out += '"'; at++; } else out += c;
      }
    }
    function word() {
      space();
      var m = /^[A-Za-z_$][\w$]*|^-?\d+(\.\d+)?/.exec(text.slice(at));
      if (!m) fail();
      at += m[0].length;
      return m[0];
    }
    function value() {
      space();
      var c = text[at];
      if (c === '"') return string();
      if (c === "{") {
        at++;
        var obj = {};
        space();
        if (text[at] === "}") { at++; return obj; }
        for (;;) {
          var key = word();
          expect(":");
          obj[key] = value();
          space();
          if (text[at] === ",") { at++; continue; }
          expect("}");
          return obj;
        }
      }
      if (c === "[") {
        at++;
        var list = [];
        space();
        if (text[at] === "]") { at++; return list; }
        for (;;) {
          list.push(value());
          space();
          if (text[at] === ",") { at++; continue; }
          expect("]");
          return list;
        }
      }
      var w = word();
      if (w === "true") return true;
      if (w === "false") return false;
      if (/^-?\d/.test(w)) return Number(w);
      fail();
    }
    var result = value();
    space();
    if (at !== text.length) fail();
    return result;
  }

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
