// velmora-sim serve started on a free port, and its page in headless Chromium, driven as a person
// would: clicks and drags on the screen's picture, keys on the keyboard, the panel's buttons.

import { spawn } from "node:child_process";
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { chromium } from "playwright-core";

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Slow builds (sanitizers) take longer per frame; every wait is bounded by this.
const TARGET_PATIENCE_MS = 3000;
const PATIENCE_MS = 60000;

export class Served {
  static async start(binary, args = []) {
    const root = mkdtempSync(join(tmpdir(), "velmora-e2e-"));
    const child = spawn(binary, ["serve", "--port", "0", "--root", join(root, "device"), "--reset", ...args], {
      stdio: ["ignore", "pipe", "pipe"],
    });
    let errors = "";
    child.stderr.on("data", (chunk) => (errors += chunk));
    const firstLine = await new Promise((resolve, reject) => {
      let out = "";
      child.stdout.on("data", (chunk) => {
        out += chunk;
        if (out.includes("\n")) {
          resolve(out.split("\n")[0]);
        }
      });
      child.on("exit", (code) => reject(new Error(`serve exited with ${code}: ${errors}`)));
    });
    const port = Number(/127\.0\.0\.1:(\d+)\//.exec(firstLine)?.[1]);
    if (!port) {
      throw new Error(`serve printed no URL: ${firstLine}`);
    }
    return new Served(child, root, port);
  }

  constructor(child, root, port) {
    this.child = child;
    this.root = root;
    this.port = port;
    this.url = `http://127.0.0.1:${port}/`;
  }

  async stop() {
    const exited = new Promise((resolve) => this.child.on("exit", resolve));
    this.child.kill("SIGINT");
    const code = await exited;
    rmSync(this.root, { recursive: true, force: true });
    return code;
  }
}

export class DevicePage {
  static async open(served) {
    const browser = await chromium.launch({
      executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
      args: ["--no-sandbox"],
    });
    try {
      const page = await browser.newPage({ viewport: { width: 1280, height: 1000 }, acceptDownloads: true });
      const device = new DevicePage(browser, page, served);
      // A refused action is a fault of the suite or of the server: it shows in the log.
      page.on("response", async (response) => {
        if (response.request().method() === "POST" && !response.ok()) {
          console.log(`# ${response.status()} for ${response.request().postData()}: ${await response.text()}`);
        }
      });
      await page.goto(served.url);
      await page.waitForFunction(() => Number(document.getElementById("screen").dataset.frame) > 0);
      await device.settle();
      return device;
    } catch (error) {
      await browser.close();
      throw error;
    }
  }

  constructor(browser, page, served) {
    this.browser = browser;
    this.page = page;
    this.served = served;
  }

  close() {
    return this.browser.close();
  }

  // A GET from the page itself, as its own scripts make them.
  get(path) {
    return this.page.evaluate(async (path) => {
      const response = await fetch(path);
      return response.json();
    }, path);
  }

  stores() {
    return this.get("/stores");
  }

  async screen() {
    return (await this.get("/screen")).screen;
  }

  async screenText() {
    return (await this.get("/screen")).text;
  }

  frame() {
    return this.page.evaluate(() => Number(document.getElementById("screen").dataset.frame));
  }

  // Waits until the page's actions are all answered and the device is still, with its last frame shown.
  async settle() {
    const deadline = Date.now() + PATIENCE_MS;
    await sleep(50);
    for (;;) {
      const state = await this.get("/state");
      if (state.settled && (await this.frame()) >= state.frame) {
        return;
      }
      if (Date.now() > deadline) {
        throw new Error("the device never settled");
      }
      await sleep(50);
    }
  }

  // The page's coordinates of a point of the device's screen.
  async onPage(point) {
    const box = await this.page.locator("#screen").boundingBox();
    const state = await this.get("/state");
    return { x: box.x + (point.x * box.width) / state.width, y: box.y + (point.y * box.height) / state.height };
  }

  // Waits a little for the target, as a person waits for an alert to finish closing before touching.
  async target(text, occurrence = 1) {
    const deadline = Date.now() + TARGET_PATIENCE_MS;
    for (;;) {
      const found = (await this.get("/targets")).filter((target) => target.text === text);
      if (found.length >= occurrence) {
        return found[occurrence - 1];
      }
      if (Date.now() > deadline) {
        throw new Error(`nothing on screen shows "${text}"; the screen:\n${await this.screenText()}`);
      }
      await sleep(100);
    }
  }

  async click(point) {
    const at = await this.onPage(point);
    await this.page.mouse.click(at.x, at.y);
    await this.settle();
  }

  async tap(text, occurrence = 1) {
    const target = await this.target(text, occurrence);
    await this.click({ x: target.x + target.width / 2, y: target.y + target.height / 2 });
  }

  // The switch at the right end of the row labelled text.
  async toggle(text) {
    const row = (await this.target(text)).row;
    await this.click({ x: row.x + row.width - 41, y: row.y + row.height / 2 });
  }

  // Presses at from, moves in steps, lifts at to: a pan with every intermediate move.
  async drag(from, to, steps = 20) {
    const start = await this.onPage(from);
    const end = await this.onPage(to);
    await this.page.mouse.move(start.x, start.y);
    await this.page.mouse.down();
    for (let step = 1; step <= steps; ++step) {
      await this.page.mouse.move(start.x + ((end.x - start.x) * step) / steps, start.y + ((end.y - start.y) * step) / steps);
      await sleep(16);
    }
    await this.page.mouse.up();
    await this.settle();
  }

  async back() {
    const back = (await this.screen()).page.back;
    if (!back) {
      throw new Error(`the screen has no back button:\n${await this.screenText()}`);
    }
    await this.tap(back);
  }

  async type(text) {
    await this.page.keyboard.type(text, { delay: 20 });
    await this.settle();
  }

  async press(key) {
    await this.page.keyboard.press(key);
    await this.settle();
  }

  // Flicks the list on top with a finger until a row labelled text is in view: towards the end of
  // the list, or with "up" towards its start.
  async scrollTo(text, direction = "down") {
    const state = await this.get("/state");
    const [from, to] = direction === "down" ? [0.75, 0.35] : [0.35, 0.75];
    for (let tries = 0; tries < 10; ++tries) {
      if ((await this.get("/targets")).some((target) => target.text === text)) {
        return;
      }
      await this.drag({ x: state.width / 2, y: state.height * from }, { x: state.width / 2, y: state.height * to });
    }
    throw new Error(`"${text}" never came into view`);
  }

  // A line typed into the page's console; answers what the console printed for it.
  async console(line) {
    const before = await this.page.locator("#log span").count();
    await this.page.fill("#command", line);
    await this.page.press("#command", "Enter");
    await this.page.waitForFunction((count) => document.querySelectorAll("#log span").length > count + 1, before);
    await this.settle();
    return this.page.locator("#log span").nth(before + 1).textContent();
  }

  panelStores() {
    return this.page.locator("#stores").textContent();
  }
}
