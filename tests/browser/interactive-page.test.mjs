// The interactive web puzzle in the system's Chromium: pages made by the real gridwright-make,
// solved with real mouse, touch and keyboard events, one browser for the whole file.
// Usage: node interactive-page.test.mjs GRIDWRIGHT-MAKE WORK-FOLDER
// Exits 77 (skipped) when Chromium or puppeteer-core is missing: scripts/install-deps puts both in.
import { after, before, describe, test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import { pathToFileURL } from "node:url";

const [tool, work] = process.argv.slice(2).map((a) => a && path.resolve(a));
const chromium = "/usr/bin/chromium";
if (!tool || !work) {
  console.error("usage: node interactive-page.test.mjs GRIDWRIGHT-MAKE WORK-FOLDER");
  process.exit(2);
}
let puppeteer;
try {
  puppeteer = (await import("puppeteer-core")).default;
} catch {
  console.log("skipped: puppeteer-core is not installed (run scripts/install-deps)");
  process.exit(77);
}
if (!fs.existsSync(chromium)) {
  console.log("skipped: " + chromium + " is not installed (run scripts/install-deps)");
  process.exit(77);
}

fs.rmSync(work, { recursive: true, force: true });
fs.mkdirSync(work, { recursive: true });

function make(...args) {
  return execFileSync(tool, args, { cwd: work, encoding: "utf8", stdio: ["ignore", "pipe", "pipe"] });
}
// The placed words of a record with their ends, as `--show` lists them.
function placedWords(record) {
  const words = [];
  for (const line of make("--show", "G.QL3", String(record)).split("\n")) {
    const m = /^\s*\d+\. (.+?)\s+(\d+),(\d+) -> (\d+),(\d+)/.exec(line);
    if (m) words.push({ text: m[1], from: { r: +m[2], c: +m[3] }, to: { r: +m[4], c: +m[5] } });
  }
  return words;
}

// The test's own puzzles, one group, each made from a word file of its own.
const puzzles = {
  words: { title: "Zoo Animals", lines: ["LION", "TIGER", "ZEBRA", "GIRAFFE", "HIPPO", "ICE CREAM",
                                         "KOALA", "PANDA", "MONKEY", "RHINO"] },
  accents: { title: "Été à Paris", lines: ["ÉTÉ", "NIÑO", "FORÊT", "MÜNCHEN", "CAFÉ", "GARÇON",
                                          "SŒUR", "ÅRE"] },
  shaped: { title: "Under the Sea", shape: "Fish",
            lines: ["WHALE", "SHARK", "CORAL", "SQUID", "OCTOPUS", "DOLPHIN", "TURTLE", "CRAB",
                    "SEAHORSE", "JELLYFISH", "STARFISH", "LOBSTER"] },
  hostile: { title: "<script>pwned=1</script>&\"'", lines: [
    "LION : king of the <b>beasts</b> & \"friends\"",
    "TIGER : </script><script>pwned=2</script>",
    "ZEBRA : <img src=x onerror=\"pwned=3\">",
    "HIPPO : it's & it isn't"] },
};

let browser;
before(async () => {
  let record = 0;
  for (const [name, p] of Object.entries(puzzles)) {
    fs.writeFileSync(path.join(work, name + ".txt"), p.lines.join("\n") + "\n");
    const args = [name + ".txt", "--group", "G.QL3", "--title", p.title, "--seed", "7",
                  "--attempts", "20"];
    if (p.shape) args.push("--shape", p.shape);
    make(...args);
    p.record = record++;
    p.placed = placedWords(p.record);
  }
  make("--render", "G.QL3", String(puzzles.words.record), "--out", "words.html", "--interactive");
  make("--render", "G.QL3", String(puzzles.words.record), "--out", "clues.html", "--interactive",
       "--words", "clues");
  make("--render", "G.QL3", String(puzzles.words.record), "--out", "plain.html", "--interactive",
       "--no-answers");
  make("--render", "G.QL3", String(puzzles.accents.record), "--out", "accents.html",
       "--interactive");
  make("--render", "G.QL3", String(puzzles.shaped.record), "--out", "shaped.html", "--interactive",
       "--words", "scrambled");
  make("--render", "G.QL3", String(puzzles.hostile.record), "--out", "hostile.html",
       "--interactive", "--words", "clues");
  browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: fs.mkdtempSync(path.join(work, "profile-")),
    args: [...(process.getuid && process.getuid() === 0 ? ["--no-sandbox"] : []), "--disable-gpu",
           "--no-first-run", "--disable-background-networking", "--disable-component-update",
           "--disable-sync"],
  });
});
after(async () => {
  if (browser) await browser.close();
});

// Opens a page; on close, nothing may have been fetched beyond it and nothing logged an error.
async function open(file, viewport = { width: 1024, height: 900 }) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  const url = pathToFileURL(path.join(work, file)).href;
  const problems = [];
  page.on("request", (r) => { if (r.url() !== url) problems.push("request " + r.url()); });
  page.on("console", (m) => { if (m.type() === "error") problems.push("console " + m.text()); });
  page.on("pageerror", (e) => problems.push("error " + e.message));
  page.on("dialog", (d) => { problems.push("dialog " + d.message()); d.dismiss(); });
  await page.goto(url, { waitUntil: "load" });
  await page.waitForFunction(() => window.gridwright && window.gridwright.rows > 0);
  page.finish = async () => {
    await page.close();
    assert.deepEqual(problems, [], file);
  };
  return page;
}

async function center(page, at) {
  return page.evaluate((r, c) => window.gridwright.cellCenter(r, c), at.r, at.c);
}

async function drag(page, from, to) {
  const a = await center(page, from), b = await center(page, to);
  await page.mouse.move(a.x, a.y);
  await page.mouse.down();
  await page.mouse.move(b.x, b.y, { steps: 6 });
  await page.mouse.up();
}

const words = (page) => page.evaluate(() => window.gridwright.words());
const complete = (page) => page.evaluate(() => window.gridwright.complete());
const foundTexts = async (page) => (await words(page)).filter((w) => w.found).map((w) => w.text);

describe("solving by dragging", () => {
  for (const [file, name] of [["words.html", "words"], ["clues.html", "words"],
                              ["accents.html", "accents"], ["shaped.html", "shaped"],
                              ["hostile.html", "hostile"]]) {
    test(`every placed word of ${file} is found from its first letter to its last`, async () => {
      const placed = puzzles[name].placed;
      assert.ok(placed.length >= 4, "the puzzle placed its words");
      const page = await open(file);
      assert.deepEqual((await words(page)).map((w) => w.text).sort(),
                       placed.map((w) => w.text).sort());

      // A word dragged backwards, or stopped one letter short, is not found.
      const longest = placed.reduce((a, b) => (b.text.length > a.text.length ? b : a));
      await drag(page, longest.to, longest.from);
      const short = { r: longest.to.r - Math.sign(longest.to.r - longest.from.r),
                      c: longest.to.c - Math.sign(longest.to.c - longest.from.c) };
      await drag(page, longest.from, short);
      assert.deepEqual(await foundTexts(page), []);

      for (const [k, w] of placed.entries()) {
        assert.equal(await complete(page), false);
        await drag(page, w.from, w.to);
        await page.waitForFunction(
          (t) => window.gridwright.words().some((x) => x.text === t && x.found), {}, w.text);
        assert.equal((await foundTexts(page)).length, k + 1, w.text);
      }
      assert.equal(await complete(page), true);
      const done = await page.$eval("#done", (e) => (e.hidden ? "" : e.textContent));
      assert.match(done, /^All words found in (\d+ min )?\d+ s!$/);
      assert.equal(await page.$$eval("#marks .found", (g) => g.length), placed.length);
      await page.finish();
    });
  }
});

test("the keyboard walks to a word's ends and Enter marks them", async () => {
  const page = await open("words.html");
  await page.keyboard.press("Tab");
  const start = await page.evaluate(() => document.activeElement.getAttribute("aria-label"));
  assert.match(start, /^row 1, column 1, letter \S$/);
  let at = { r: 1, c: 1 };
  const walk = async (to) => {
    for (; at.r < to.r; at.r++) await page.keyboard.press("ArrowDown");
    for (; at.r > to.r; at.r--) await page.keyboard.press("ArrowUp");
    for (; at.c < to.c; at.c++) await page.keyboard.press("ArrowRight");
    for (; at.c > to.c; at.c--) await page.keyboard.press("ArrowLeft");
  };
  const [first, second] = puzzles.words.placed;
  await walk(first.from);
  await page.keyboard.press("Enter");
  await walk(first.to);
  await page.keyboard.press("Enter");
  await page.waitForFunction(() => window.gridwright.words().some((w) => w.found));
  assert.deepEqual(await foundTexts(page), [first.text]);
  const label = await page.evaluate(() => document.activeElement.getAttribute("aria-label"));
  assert.match(label, new RegExp(`^row ${first.to.r}, column ${first.to.c}, letter `));
  assert.match(await page.$eval("#live", (e) => e.textContent), new RegExp(`^Found ${first.text}\\.`));

  // Space works as Enter; Escape lets a first letter go.
  await walk(second.from);
  await page.keyboard.press("Space");
  await page.keyboard.press("Escape");
  await walk(second.to);
  await page.keyboard.press("Space");
  await walk(second.from);
  await page.keyboard.press("Space");
  assert.deepEqual(await foundTexts(page), [first.text]);
  await page.finish();
});

test("on a 360 px phone every page fits without sideways scrolling, and taps and drags find words",
     async () => {
  for (const file of ["words.html", "clues.html", "accents.html", "shaped.html", "hostile.html"]) {
    const page = await open(file, { width: 360, height: 740, isMobile: true, hasTouch: true,
                                    deviceScaleFactor: 2 });
    const sizes = await page.evaluate(() => [document.documentElement.scrollWidth,
                                             document.documentElement.clientWidth]);
    assert.ok(sizes[0] <= 360 && sizes[1] === 360, `${file}: ${sizes}`);
    if (file === "words.html") {
      // One word tapped at both ends, one dragged with a finger: the grid does not scroll away.
      const [tapped, dragged] = puzzles.words.placed.slice(2, 4);
      let a = await center(page, tapped.from), b = await center(page, tapped.to);
      await page.touchscreen.tap(a.x, a.y);
      await page.touchscreen.tap(b.x, b.y);
      a = await center(page, dragged.from);
      b = await center(page, dragged.to);
      await page.touchscreen.touchStart(a.x, a.y);
      for (let k = 1; k <= 4; k++)
        await page.touchscreen.touchMove(a.x + (b.x - a.x) * k / 4, a.y + (b.y - a.y) * k / 4);
      await page.touchscreen.touchEnd();
      await page.waitForFunction(() => window.gridwright.words().filter((x) => x.found).length === 2);
      assert.deepEqual((await foundTexts(page)).sort(), [tapped.text, dragged.text].sort());
    }
    await page.finish();
  }
});

test("titles and clues with markup are shown as text and never run", async () => {
  const page = await open("hostile.html");
  const shown = await page.evaluate(() => ({
    title: document.title,
    heading: document.querySelector("h1").textContent,
    clues: [...document.querySelectorAll("#list .entry")].map((e) => e.textContent),
    pwned: typeof window.pwned,
    scripts: document.scripts.length,
    images: document.images.length,
  }));
  assert.equal(shown.title, puzzles.hostile.title);
  assert.equal(shown.heading, puzzles.hostile.title);
  assert.deepEqual(shown.clues.slice().sort(),
                   puzzles.hostile.lines.map((l) => l.split(" : ")[1]).sort());
  assert.equal(shown.pwned, "undefined");
  assert.equal(shown.scripts, 2);
  assert.equal(shown.images, 0);
  await page.finish();
});

test("clues keep their answers hidden until found or shown, and Show answers marks every word",
     async () => {
  const page = await open("clues.html");
  const visibleAnswers = () => page.$$eval(".answer", (a) =>
    a.filter((e) => getComputedStyle(e).display !== "none").map((e) => e.textContent));
  assert.deepEqual(await visibleAnswers(), []);
  const w = puzzles.words.placed[0];
  await drag(page, w.from, w.to);
  assert.deepEqual(await visibleAnswers(), [w.text]);
  await page.click("#answers");
  assert.equal(await page.$eval("#answers", (b) => b.textContent), "Hide answers");
  assert.equal(await page.$$eval("#marks .shown", (g) => g.length),
               puzzles.words.placed.length - 1);
  assert.equal((await visibleAnswers()).length, puzzles.words.placed.length);
  assert.equal(await complete(page), false);
  await page.click("#answers");
  assert.equal(await page.$$eval("#marks .shown", (g) => g.length), 0);
  await page.finish();
});

test("--no-answers leaves the button out, and print shows grid and list without buttons",
     async () => {
  const plain = await open("plain.html");
  assert.equal(await plain.$("#answers"), null);
  await plain.finish();

  const page = await open("words.html");
  await page.emulateMediaType("print");
  const shown = (sel) => page.$eval(sel, (e) => getComputedStyle(e).display !== "none" &&
                                               e.getBoundingClientRect().width > 0);
  assert.equal(await shown("#answers"), false);
  assert.equal(await shown(".how"), false);
  assert.equal(await shown("#grid"), true);
  assert.equal(await shown("#list"), true);
  await page.finish();
});

test("every text keeps a contrast of 4.5:1 against what lies behind it, found or not", async () => {
  const page = await open("clues.html");
  const w = puzzles.words.placed[0];
  await drag(page, w.from, w.to);
  await page.click("#answers");
  const low = await page.evaluate(() => {
    const rgb = (c) => (c.match(/[\d.]+/g) || []).map(Number);
    const lum = ([r, g, b]) => [r, g, b].map((v) => {
      v /= 255;
      return v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4;
    }).reduce((sum, v, i) => sum + v * [0.2126, 0.7152, 0.0722][i], 0);
    const behind = (e) => {
      for (; e; e = e.parentElement) {
        const c = rgb(getComputedStyle(e).backgroundColor);
        if (c.length === 3 || c[3] > 0) return c;
      }
      return [255, 255, 255];
    };
    const found = [];
    for (const e of document.querySelectorAll("h1, h2, .how, .entry, .answer, .cell, button, .bonus")) {
      if (!e.getClientRects().length) continue;
      const a = lum(rgb(getComputedStyle(e).color)), b = lum(behind(e));
      const ratio = (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05);
      if (ratio < 4.5) found.push(`${e.className || e.tagName} ${ratio.toFixed(2)}`);
    }
    return found;
  });
  assert.deepEqual(low, []);
  await page.finish();
});
