// The journey a newcomer takes through velmora-sim serve in headless Chromium: the host's pages, the
// set-up screen, a tag, a passcode on the lock screen's keypad, a swiped cell, a row dragged in
// arrange mode, the tablet, the screenshot button; and requests from elsewhere refused. Each result
// is checked on the page and in the stores, and the stores at the end are those the same actions
// give through a script.

import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import http from "node:http";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { DevicePage, Served } from "./device_page.mjs";

const binary = process.argv[2];
let passed = 0;
let failed = 0;

async function step(name, body) {
  try {
    await body();
    passed += 1;
    console.log(`ok - ${name}`);
  } catch (error) {
    failed += 1;
    console.log(`not ok - ${name}\n${error.stack}`);
    throw error;
  }
}

// The stores a script leaves on a freshly installed phone.
function scriptStores(script) {
  const root = mkdtempSync(join(tmpdir(), "velmora-e2e-script-"));
  try {
    const out = execFileSync(binary, ["--root", root, "--reset", "-c", `${script}\nprefs`], { encoding: "utf8" });
    return JSON.parse(out.trim().split("\n").pop());
  } finally {
    rmSync(root, { recursive: true, force: true });
  }
}

// The panel shows the stores as they are on disk once its refresh after the action has come.
async function panelShows(device, stores) {
  await device.page.waitForFunction(
    (expected) => document.getElementById("stores").textContent === expected,
    JSON.stringify(stores, null, 2),
    { timeout: 10000 },
  );
}

function rawRequest(port, headers, method = "GET", path = "/state", body = undefined) {
  return new Promise((resolve, reject) => {
    const request = http.request({ host: "127.0.0.1", port, method, path, headers }, (response) => {
      let text = "";
      response.on("data", (chunk) => (text += chunk));
      response.on("end", () => resolve({ status: response.statusCode, text }));
    });
    request.on("error", reject);
    request.end(body);
  });
}

const served = await Served.start(binary);
let device = null;
const rootTitle = async () => (await device.screen()).page.title;

try {
  device = await DevicePage.open(served);
  await step("the page shows the phone at its scale with the set-up screen over the root list", async () => {
    const box = await device.page.locator("#screen").boundingBox();
    assert.equal(Math.round(box.width), 320);
    assert.equal(Math.round(box.height), 568);
    assert.notEqual((await device.screen()).modal, null);
  });

  await step("the set-up screen closes with its Done button", async () => {
    const before = await device.frame();
    await device.tap("Done");
    assert.ok((await device.frame()) > before, "a new frame was drawn");
    assert.equal((await device.screen()).modal, null);
    const stores = await device.stores();
    assert.deepEqual(stores, scriptStores("tap Done"));
    await panelShows(device, stores);
  });

  await step("the host's pages open and close by touch", async () => {
    await device.tap("Wi-Fi");
    assert.equal(await rootTitle(), "Wi-Fi");
    await device.back();
    await device.scrollTo("General");
    await device.tap("General");
    assert.equal(await rootTitle(), "General");
    await device.tap("About");
    assert.equal(await rootTitle(), "About");
    await device.back();
    await device.back();
    assert.equal(await rootTitle(), "Settings");
  });

  await step("a tag is created in Velmora's pane, typed on the keyboard", async () => {
    await device.scrollTo("Velmora");
    await device.tap("Velmora");
    await device.toggle("Enabled");
    await device.tap("Tags");
    await device.tap("Add Tag");
    await device.tap("Name");
    await device.type("Work");
    await device.press("Enter");
    await device.tap("Icon");
    await device.tap("star");
    await device.back();
    await device.tap("Save");
    await device.tap("OK");
    await device.back();
    assert.match(await device.screenText(), /Work/);
    const stores = await device.stores();
    assert.ok(JSON.stringify(stores.tag).includes("Work"), JSON.stringify(stores.tag));
    await panelShows(device, stores);
  });

  await step("a protected entry opens after its passcode is typed on the lock screen's keypad", async () => {
    await device.back();
    await device.tap("Protection");
    await device.tap("Passcode");
    await device.tap("Change Passcode");
    await device.type("0123");
    await device.type("0123");
    await device.toggle("Enabled");
    await device.type("0123");
    await device.back();
    await device.toggle("Wi-Fi");
    await device.back();
    await device.back();
    await device.scrollTo("Wi-Fi", "up");
    await device.tap("Wi-Fi");
    assert.notEqual(await rootTitle(), "Wi-Fi", "the lock screen stands before the page");
    for (const digit of "0123") {
      await device.tap(digit);
    }
    assert.equal(await rootTitle(), "Wi-Fi");
    const stores = await device.stores();
    assert.equal(stores.protected["Wi-Fi"], true);
    await panelShows(device, stores);
    await device.back();
  });

  await step("a root-list cell swiped left is hidden with its Hide button", async () => {
    await device.scrollTo("Velmora");
    await device.tap("Velmora");
    await device.tap("General");
    await device.tap("Advanced");
    await device.toggle("Swipe Actions");
    await device.back();
    await device.back();
    await device.back();
    await device.scrollTo("General", "up");
    const row = (await device.target("General")).row;
    const y = row.y + row.height / 2;
    const middle = row.x + row.width / 2;
    await device.drag({ x: middle + 100, y }, { x: middle - 100, y });
    await device.tap("Hide");
    assert.ok(!(await device.get("/targets")).some((target) => target.text === "General" && target.row));
    const stores = await device.stores();
    assert.equal(stores.hide.General, true, JSON.stringify(stores.hide));
    await panelShows(device, stores);
  });

  await step("a row dragged by its grip in arrange mode keeps its new place", async () => {
    await device.scrollTo("Wi-Fi", "up");
    await device.tap("Edit");
    const moved = (await device.target("Wi-Fi")).row;
    const place = (await device.target("Notification Center")).row;
    const grip = { x: moved.x + moved.width - 20, y: moved.y + moved.height / 2 };
    await device.drag(grip, { x: grip.x, y: place.y + place.height / 2 });
    await device.tap("Done");
    const stores = await device.stores();
    // The order is kept by identifier, place by place: Wi-Fi now stands below Carrier, in the place
    // Notification Center had.
    const order = Object.keys(stores.position).sort((a, b) => a - b).map((place) => stores.position[place]);
    assert.ok(order.indexOf("WIFI") > order.indexOf("CARRIER"), JSON.stringify(order));
    assert.equal(order[order.indexOf("WIFI") + 1], "NOTIFICATIONS_ID");
    await panelShows(device, stores);
  });

  await step("the stores are those the same actions leave through a script", async () => {
    const script = [
      "tap Done; tap Wi-Fi; back; tap General; tap About; back; back",
      "tap Velmora; toggle Enabled; tap Tags; tap Add Tag; tap Name; type Work; tap return; tap Icon; tap star; back",
      "tap Save; tap OK; back; back",
      "tap Protection; tap Passcode; tap Change Passcode; type 0123; type 0123; toggle Enabled; type 0123; back",
      "toggle Wi-Fi; back; back; tap Wi-Fi; tap 0; tap 1; tap 2; tap 3; back",
      "tap Velmora; tap General; tap Advanced; toggle Swipe Actions; back; back; back",
      "swipe General left; tap Hide",
      "tap Edit; drag Wi-Fi to Notification Center; tap Done",
    ].join("\n");
    assert.deepEqual(await device.stores(), scriptStores(script));
  });

  await step("the console runs a command and refuses one that names a file", async () => {
    assert.match(await device.console("expect Notification Center; echo seen"), /seen/);
    assert.match(await device.console("screenshot /tmp/velmora-e2e.png"), /no files/);
  });

  await step("the screenshot button downloads the screen as a PNG at device scale", async () => {
    const [download] = await Promise.all([device.page.waitForEvent("download"), device.page.click("#screenshot")]);
    assert.match(download.suggestedFilename(), /^velmora-phone-\d+\.png$/);
    const png = readFileSync(await download.path());
    assert.equal(png.subarray(1, 4).toString(), "PNG");
    assert.equal(png.readUInt32BE(16), 640);
    assert.equal(png.readUInt32BE(20), 1136);
  });

  await step("the tablet switch boots the tablet in a root of its own and the phone comes back as it was", async () => {
    const phoneStores = await device.stores();
    await device.page.click("#tablet");
    await device.page.waitForFunction(() => document.title.includes("tablet"));
    await device.settle();
    const state = await device.get("/state");
    assert.equal(state.device, "tablet");
    assert.equal(Math.round((await device.page.locator("#screen").boundingBox()).width), state.width);
    assert.equal((await device.screen()).device, "tablet");
    await device.page.click("#phone");
    await device.page.waitForFunction(() => document.title.includes("phone"));
    await device.settle();
    assert.deepEqual(await device.stores(), phoneStores);
  });

  await step("requests from another page or for another host are refused, malformed ones answered 400", async () => {
    const own = `127.0.0.1:${served.port}`;
    assert.equal((await rawRequest(served.port, { Origin: "http://evil.example" })).status, 403);
    assert.equal((await rawRequest(served.port, { Host: `evil.example:${served.port}` })).status, 403);
    const json = { "Content-Type": "application/json", Origin: `http://${own}` };
    const foreign = { "Content-Type": "application/json", Origin: "http://evil.example" };
    assert.equal((await rawRequest(served.port, foreign, "POST", "/touch", '{"phase":"down","x":1,"y":1}')).status, 403);
    assert.equal((await rawRequest(served.port, { "Content-Type": "text/plain" }, "POST", "/command", "line=show")).status, 415);
    assert.equal((await rawRequest(served.port, json, "POST", "/touch", "{not json")).status, 400);
    assert.equal((await rawRequest(served.port, json, "POST", "/touch", '{"phase":"down","x":1e300,"y":5}')).status, 400);
    assert.equal((await rawRequest(served.port, {}, "GET", "/state")).status, 200, "the server still answers");
  });
} finally {
  await device?.close();
  const code = await served.stop();
  if (code !== 0) {
    failed += 1;
    console.log(`not ok - serve stopped with ${code}`);
  }
  console.log(`${passed} passed, ${failed} failed`);
  process.exitCode = failed === 0 ? 0 : 1;
}
