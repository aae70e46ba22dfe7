// The help's picture of an interactive web puzzle: the first sample puzzle's page in Chromium with
// a few words found and one being dragged, as a pupil sees it.
// Usage: node help-picture.mjs GRIDWRIGHT-MAKE GROUP.QL3 OUT.png
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import puppeteer from "puppeteer-core";

const [tool, group, out] = process.argv.slice(2).map((a) => path.resolve(a));
const work = fs.mkdtempSync(path.join(os.tmpdir(), "gw-help-picture-"));
const page = path.join(work, "puzzle.html");
execFileSync(tool, ["--render", group, "0", "--out", page, "--interactive", "--seed", "1"]);
const words = [];
for (const line of execFileSync(tool, ["--show", group, "0"], { encoding: "utf8" }).split("\n")) {
  const m = /^\s*\d+\. (.+?)\s+(\d+),(\d+) -> (\d+),(\d+)/.exec(line);
  if (m) words.push({ from: [+m[2], +m[3]], to: [+m[4], +m[5]] });
}

const browser = await puppeteer.launch({
  executablePath: "/usr/bin/chromium",
  headless: true,
  userDataDir: path.join(work, "profile"),
  args: [...(process.getuid() === 0 ? ["--no-sandbox"] : []), "--disable-gpu", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync"],
});
try {
  const tab = await browser.newPage();
  await tab.setViewport({ width: 960, height: 740 });
  await tab.goto("file://" + page);
  const center = (cell) => tab.evaluate((r, c) => window.gridwright.cellCenter(r, c), ...cell);
  for (const [k, w] of words.slice(0, 6).entries()) {
    const a = await center(w.from), b = await center(w.to);
    await tab.mouse.move(a.x, a.y);
    await tab.mouse.down();
    await tab.mouse.move(b.x, b.y, { steps: 4 });
    if (k < 5) await tab.mouse.up();  // the last one is still being dragged
  }
  await tab.screenshot({ path: out });
} finally {
  await browser.close();
  fs.rmSync(work, { recursive: true, force: true });
}
