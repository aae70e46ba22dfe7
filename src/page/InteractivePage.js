// The interactive web puzzle: finding words by mouse, touch and keyboard, and the answers.
(function () {
  "use strict";

  var data = JSON.parse(document.getElementById("puzzle-data").textContent);
  var rows = data.rows;
  var cols = data.cols;
  var grid = document.getElementById("grid");
  var marks = document.getElementById("marks");
  var live = document.getElementById("live");
  var done = document.getElementById("done");
  var answersButton = document.getElementById("answers");
  // Soft colours: dark letters on them keep well above 4.5:1.
  var colours = ["#ffd966", "#9fd8ff", "#b6e8a8", "#ffb3cf", "#d4c2ff", "#ffc58f", "#a8e6df",
                 "#e6e6a1"];

  // The words' ends and texts, in list order: the page keeps them scrambled with its key.
  function readAnswers(text, key) {
    var raw = atob(text);
    var bytes = new Uint8Array(raw.length);
    var x = (key >>> 0) || 0x9e3779b9;
    for (var i = 0; i < raw.length; i++) {
      x ^= x << 13; x >>>= 0;
      x ^= x >>> 17;
      x ^= x << 5; x >>>= 0;
      bytes[i] = raw.charCodeAt(i) ^ (x & 255);
    }
    var utf8 = new TextDecoder();
    var list = [];
    for (var at = 0; at + 5 <= bytes.length; at += 5 + bytes[at + 4]) {
      list.push({
        from: { r: bytes[at], c: bytes[at + 1] },
        to: { r: bytes[at + 2], c: bytes[at + 3] },
        text: utf8.decode(bytes.subarray(at + 5, at + 5 + bytes[at + 4])),
        found: false,
        item: document.getElementById("w" + list.length),
        mark: null,
        shown: null
      });
    }
    return list;
  }
  var words = readAnswers(data.answers, data.key);

  // The cells, 1-based; null outside the shape.
  var cells = [];
  var first = null;
  (function buildGrid() {
    var rowsOut = document.createDocumentFragment();
    for (var r = 1; r <= rows; r++) {
      var letters = Array.from(data.grid[r - 1] || "");
      var row = document.createElement("div");
      row.className = "row";
      row.setAttribute("role", "row");
      cells[r] = [];
      for (var c = 1; c <= cols; c++) {
        var letter = letters[c - 1];
        cells[r][c] = null;
        if (!letter || letter === " ") continue;
        var cell = document.createElement("div");
        cell.className = "cell";
        cell.setAttribute("role", "gridcell");
        cell.setAttribute("aria-label", "row " + r + ", column " + c + ", letter " + letter);
        cell.style.gridArea = r + " / " + c;
        cell.tabIndex = -1;
        cell.textContent = letter;
        cell.gwAt = { r: r, c: c };
        row.appendChild(cell);
        cells[r][c] = cell;
        if (!first) first = { r: r, c: c };
      }
      rowsOut.appendChild(row);
    }
    grid.appendChild(rowsOut);
  })();

  // The list shows each answer beside its clue, scrambled or partial word once it is found.
  words.forEach(function (w) {
    if (!w.item) return;
    if (data.form !== "words") {
      var answer = document.createElement("span");
      answer.className = "answer";
      answer.textContent = w.text;
      w.item.appendChild(answer);
    }
  });

  var layers = {};
  ["shown", "found", "selecting"].forEach(function (name) {
    layers[name] = document.createElementNS(marks.namespaceURI, "g");
    marks.appendChild(layers[name]);
  });

  // A capsule around the letters from one cell to another: a rounded box, turned to lie along
  // them, in the grid's own units (a cell is 1 by 1).
  function capsule(layer, from, to, colour) {
    var x = from.c - 0.5, y = from.r - 0.5;
    var dx = to.c - from.c, dy = to.r - from.r, h = 0.8;
    var box = document.createElementNS(marks.namespaceURI, "rect");
    box.setAttribute("class", layer);
    box.setAttribute("x", -h / 2);
    box.setAttribute("y", -h / 2);
    box.setAttribute("width", Math.sqrt(dx * dx + dy * dy) + h);
    box.setAttribute("height", h);
    box.setAttribute("rx", h / 2);
    box.setAttribute("transform", "translate(" + x + " " + y + ") rotate(" +
                     Math.atan2(dy, dx) * 180 / Math.PI + ")");
    if (colour) box.style.fill = colour;
    layers[layer].appendChild(box);
    return box;
  }

  function same(a, b) { return a.r === b.r && a.c === b.c; }
  function inLine(a, b) {
    var dr = b.r - a.r, dc = b.c - a.c;
    return dr === 0 || dc === 0 || Math.abs(dr) === Math.abs(dc);
  }
  function inside(r, c) { return r >= 1 && r <= rows && c >= 1 && c <= cols; }
  function letterAt(p) { return inside(p.r, p.c) ? cells[p.r][p.c] : null; }
  function say(text) { live.textContent = text; }

  // The cell under a point of the viewport; with `clamp`, the nearest cell of the grid.
  function cellAt(x, y, clamp) {
    var box = grid.getBoundingClientRect();
    var c = Math.floor((x - box.left) / box.width * cols) + 1;
    var r = Math.floor((y - box.top) / box.height * rows) + 1;
    if (clamp) return { r: Math.min(Math.max(r, 1), rows), c: Math.min(Math.max(c, 1), cols) };
    return inside(r, c) ? { r: r, c: c } : null;
  }

  // The end of a selection from `from` towards `to`, on the nearest of the eight directions and
  // inside the grid.
  function lineEnd(from, to) {
    var dr = to.r - from.r, dc = to.c - from.c;
    if (!dr && !dc) return from;
    var octant = Math.round(Math.atan2(dr, dc) / (Math.PI / 4));
    var sr = Math.round(Math.sin(octant * Math.PI / 4));
    var sc = Math.round(Math.cos(octant * Math.PI / 4));
    var n = sr && sc ? Math.round((Math.abs(dr) + Math.abs(dc)) / 2) : Math.abs(sr ? dr : dc);
    while (n > 0 && !inside(from.r + sr * n, from.c + sc * n)) n--;
    return { r: from.r + sr * n, c: from.c + sc * n };
  }

  function showSelection(from, to) {
    layers.selecting.textContent = "";
    if (from) capsule("selecting", from, to || from);
  }

  // The time from the first letter chosen to the last word found.
  var started = null;
  var finished = null;
  function startClock() { if (started === null) started = Date.now(); }
  function timeTaken() {
    var s = Math.max(0, Math.round(((finished || Date.now()) - (started || Date.now())) / 1000));
    var h = Math.floor(s / 3600), m = Math.floor(s / 60) % 60;
    s %= 60;
    return (h ? h + " h " : "") + (h || m ? m + " min " : "") + s + " s";
  }

  function foundCount() {
    return words.filter(function (w) { return w.found; }).length;
  }

  function markFound(w) {
    w.found = true;
    w.mark = capsule("found", w.from, w.to, colours[foundCount() % colours.length]);
    if (w.shown) { w.shown.remove(); w.shown = null; }
    if (w.item) {
      w.item.classList.add("found");
      var note = document.createElement("span");
      note.className = "sr-only";
      note.textContent = " (found)";
      w.item.appendChild(note);
    }
    var count = foundCount();
    if (count === words.length) {
      finished = Date.now();
      done.textContent = "All words found in " + timeTaken() + "!";
      done.hidden = false;
      // Below a long list on a phone it would go unseen.
      done.scrollIntoView({ block: "nearest" });
      say(done.textContent);
    } else {
      say("Found " + w.text + ". " + count + " of " + words.length + " words found.");
    }
  }

  // A selection from the first letter to the last: a word placed there is found.
  function choose(from, to) {
    showSelection(null);
    var hit = null, again = null;
    words.forEach(function (w) {
      if (!same(w.from, from) || !same(w.to, to)) return;
      if (!w.found && !hit) hit = w;
      else if (w.found) again = w;
    });
    if (hit) markFound(hit);
    else if (again) say(again.text + " is already found.");
    else say("No word there.");
  }

  // Keyboard focus moves over the letters; the grid is one stop of the Tab key.
  var focus = first;
  function setFocus(p, move) {
    if (focus && letterAt(focus)) letterAt(focus).tabIndex = -1;
    focus = p;
    letterAt(p).tabIndex = 0;
    if (move) letterAt(p).focus({ preventScroll: move === "quiet" });
  }
  if (first) letterAt(first).tabIndex = 0;

  // A tap or Enter: the first letter, then the last; a letter not in line starts again there.
  var anchor = null;
  function pick(p, byKeyboard) {
    startClock();
    if (!anchor) {
      anchor = p;
      showSelection(p, p);
      if (byKeyboard) say("First letter at row " + p.r + ", column " + p.c +
                          ". Move to the last letter and press Enter.");
      return;
    }
    if (same(anchor, p)) {
      anchor = null;
      showSelection(null);
      if (byKeyboard) say("Selection cleared.");
      return;
    }
    if (!inLine(anchor, p)) {
      anchor = p;
      showSelection(p, p);
      if (byKeyboard) say("Not in line with the first letter. First letter now at row " + p.r +
                          ", column " + p.c + ".");
      return;
    }
    var from = anchor;
    anchor = null;
    choose(from, p);
  }

  var drag = null;
  grid.addEventListener("pointerdown", function (e) {
    if (drag || (e.pointerType === "mouse" && e.button !== 0)) return;
    var p = cellAt(e.clientX, e.clientY, false);
    if (!p || !letterAt(p)) return;
    e.preventDefault();
    startClock();
    if (grid.setPointerCapture) grid.setPointerCapture(e.pointerId);
    drag = { id: e.pointerId, from: p, to: p, moved: false };
    grid.classList.add("pointer");
    // The keyboard carries on from here; focus moves only when it is in the grid already.
    setFocus(p, grid.contains(document.activeElement) ? "quiet" : false);
    showSelection(p, p);
  });
  grid.addEventListener("pointermove", function (e) {
    if (!drag || e.pointerId !== drag.id) return;
    var to = lineEnd(drag.from, cellAt(e.clientX, e.clientY, true));
    if (!same(to, drag.from)) drag.moved = true;
    drag.to = to;
    showSelection(drag.from, to);
  });
  grid.addEventListener("pointerup", function (e) {
    if (!drag || e.pointerId !== drag.id) return;
    var d = drag;
    drag = null;
    if (d.moved) {
      anchor = null;
      choose(d.from, d.to);
    } else {
      showSelection(null);
      pick(d.from, false);
    }
  });
  grid.addEventListener("pointercancel", function () {
    drag = null;
    showSelection(anchor, anchor);
  });

  var steps = { ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1] };
  grid.addEventListener("keydown", function (e) {
    if (!focus) return;
    grid.classList.remove("pointer");
    var step = steps[e.key];
    if (step) {
      e.preventDefault();
      // Over the gaps of a shaped grid to the next letter, if there is one.
      for (var r = focus.r + step[0], c = focus.c + step[1]; inside(r, c);
           r += step[0], c += step[1]) {
        if (cells[r][c]) {
          setFocus({ r: r, c: c }, true);
          if (anchor) showSelection(anchor, inLine(anchor, focus) ? focus : anchor);
          break;
        }
      }
    } else if (e.key === "Enter" || e.key === " ") {
      e.preventDefault();
      pick(focus, true);
    } else if (e.key === "Escape" && anchor) {
      anchor = null;
      showSelection(null);
      say("Selection cleared.");
    }
  });
  grid.addEventListener("focusin", function (e) {
    // Focus that lands on a letter some other way (a screen reader) keeps the one Tab stop there.
    if (e.target.gwAt && focus && e.target !== letterAt(focus)) setFocus(e.target.gwAt, false);
  });

  if (answersButton) {
    answersButton.addEventListener("click", function () {
      var show = !document.body.classList.contains("answers-shown");
      document.body.classList.toggle("answers-shown", show);
      answersButton.textContent = show ? "Hide answers" : "Show answers";
      words.forEach(function (w) {
        if (show && !w.found) w.shown = capsule("shown", w.from, w.to);
        if (!show && w.shown) { w.shown.remove(); w.shown = null; }
      });
      say(show ? "Answers shown." : "Answers hidden.");
    });
  }

  // For checking the page and embedding it: rows and columns are 1-based, as in the puzzle.
  window.gridwright = Object.freeze({
    rows: rows,
    cols: cols,
    cellCenter: function (row, col) {
      var box = grid.getBoundingClientRect();
      return { x: box.left + (col - 0.5) * box.width / cols,
               y: box.top + (row - 0.5) * box.height / rows };
    },
    words: function () {
      return words.map(function (w) { return { text: w.text, found: w.found }; });
    },
    complete: function () {
      return words.every(function (w) { return w.found; });
    }
  });
})();
