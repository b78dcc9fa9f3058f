"use strict";

// The page of velmora-sim serve: the device's screen, fed frame by frame, and the panel beside it.
// Every request goes to the server that served this page.

const $ = (id) => document.getElementById(id);
const screen = $("screen");
let device = null;
let frameNumber = 0;

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function reply(response) {
  const body = await response.json().catch(() => ({}));
  if (!response.ok) {
    throw new Error(body.error || `${response.status} ${response.statusText}`);
  }
  return body;
}

const get = async (path) => reply(await fetch(path));

const post = async (path, body) =>
  reply(await fetch(path, {
    method: "POST",
    headers: { "Content-Type": "application/json" },
    body: JSON.stringify(body),
  }));

function showStatus(text, failed = false) {
  const status = $("status");
  status.textContent = text;
  status.classList.toggle("error", failed);
}

// ---- the screen

// The server answers as soon as a frame newer than the last one shown is drawn; a slow page skips
// to the newest.
async function followFrames() {
  for (;;) {
    try {
      const response = await fetch(`/frame?after=${frameNumber}`);
      if (!response.ok) {
        await sleep(500);
        continue;
      }
      const number = Number(response.headers.get("X-Frame"));
      const picture = await response.blob();
      if (number > frameNumber) {
        frameNumber = number;
        showFrame(picture);
      }
    } catch {
      showStatus("The simulator does not answer; retrying…", true);
      await sleep(1000);
    }
  }
}

function showFrame(picture) {
  const previous = screen.src;
  screen.src = URL.createObjectURL(picture);
  screen.dataset.frame = String(frameNumber);
  if (previous.startsWith("blob:")) {
    URL.revokeObjectURL(previous);
  }
}

async function loadState() {
  device = await get("/state");
  screen.style.width = `${device.width}px`;
  screen.style.height = `${device.height}px`;
  $("frame").className = `frame ${device.device === "tablet" ? "tablet" : "phone"}`;
  for (const button of document.querySelectorAll("[data-device]")) {
    button.classList.toggle("on", button.dataset.device === device.device);
  }
  $("language").value = device.language;
  document.title = `Velmora simulator (${device.device})`;
}

// ---- what the finger and the keyboard do, sent one after another in the order they happened

// As many as the server takes in one request.
const MOST_POINTS_A_MOVE = 200;
let actions = Promise.resolve();
let waitingMove = null;

function enqueue(send) {
  actions = actions.then(send).catch((error) => showStatus(error.message, true));
  return actions;
}

function touch(phase, point) {
  // Moves that pile up while the device is busy go together in one request, every point kept; downs
  // and ups go on their own.
  if (phase === "move") {
    if (waitingMove && waitingMove.points.length < MOST_POINTS_A_MOVE) {
      waitingMove.points.push(point);
      return;
    }
    waitingMove = { points: [point] };
    const move = waitingMove;
    enqueue(() => {
      waitingMove = null;
      return post("/touch", { phase, points: move.points });
    });
    return;
  }
  enqueue(() => post("/touch", { phase, ...point }));
}

function screenPoint(event) {
  const box = screen.getBoundingClientRect();
  const clamp = (value, most) => Math.min(Math.max(value, 0), most);
  return {
    x: clamp(((event.clientX - box.left) * device.width) / box.width, device.width),
    y: clamp(((event.clientY - box.top) * device.height) / box.height, device.height),
  };
}

let fingerDown = false;

screen.addEventListener("pointerdown", (event) => {
  if (event.button !== 0 || !device) {
    return;
  }
  event.preventDefault();
  // Keys typed after touching the device go to the device, not to the panel's last field.
  document.activeElement?.blur();
  screen.setPointerCapture(event.pointerId);
  fingerDown = true;
  touch("down", screenPoint(event));
});

screen.addEventListener("pointermove", (event) => {
  if (fingerDown) {
    touch("move", screenPoint(event));
  }
});

function lift(event) {
  if (!fingerDown) {
    return;
  }
  fingerDown = false;
  touch("up", screenPoint(event));
  enqueue(() => showStatus("")).then(refreshStoresSoon);
}
screen.addEventListener("pointerup", lift);
screen.addEventListener("pointercancel", lift);

document.addEventListener("keydown", (event) => {
  const typingInPanel = ["INPUT", "TEXTAREA", "SELECT"].includes(event.target.tagName);
  if (typingInPanel || event.ctrlKey || event.metaKey || event.altKey || !device) {
    return;
  }
  let body = null;
  if (event.key === "Backspace") {
    body = { key: "backspace" };
  } else if (event.key === "Enter") {
    body = { key: "return" };
  } else if ([...event.key].length === 1) {
    body = { text: event.key };
  }
  if (body) {
    event.preventDefault();
    enqueue(() => post("/key", body)).then(refreshStoresSoon);
  }
});

// ---- the stores, as they are on disk

async function refreshStores() {
  try {
    $("stores").textContent = JSON.stringify(await get("/stores"), null, 2);
  } catch (error) {
    showStatus(error.message, true);
  }
}

// Now, and once more when the second of device time after an action has passed.
let laterRefresh = 0;
function refreshStoresSoon() {
  refreshStores();
  clearTimeout(laterRefresh);
  laterRefresh = setTimeout(refreshStores, 1200);
}

// ---- the device's controls

async function changeDevice(change, done) {
  showStatus("…");
  try {
    await enqueue(() => post("/device", change).then(() => showStatus(done)));
    await loadState();
  } catch (error) {
    showStatus(error.message, true);
  }
  refreshStoresSoon();
}

for (const button of document.querySelectorAll("[data-device]")) {
  button.addEventListener("click", () =>
    changeDevice({ action: "switch", device: button.dataset.device }, `Switched to the ${button.dataset.device}.`));
}
$("relaunch").addEventListener("click", () => changeDevice({ action: "relaunch" }, "Relaunched."));
$("reset").addEventListener("click", () => changeDevice({ action: "reset" }, "Reset: a freshly installed device."));
$("language-form").addEventListener("submit", (event) => {
  event.preventDefault();
  const language = $("language").value.trim();
  changeDevice({ action: "language", language }, `Language: ${language}.`);
});

// ---- the console

const history = [];
let historyPlace = 0;

function log(text, kind) {
  const entry = document.createElement("span");
  entry.className = kind;
  entry.textContent = text.endsWith("\n") || text === "" ? text : `${text}\n`;
  const pane = $("log");
  pane.append(entry);
  pane.scrollTop = pane.scrollHeight;
}

$("console-form").addEventListener("submit", async (event) => {
  event.preventDefault();
  const input = $("command");
  const line = input.value;
  if (!line.trim()) {
    return;
  }
  history.push(line);
  historyPlace = history.length;
  input.value = "";
  log(`› ${line}`, "command");
  await enqueue(async () => {
    const result = await post("/command", { line });
    log(result.output, result.status === 0 ? "output" : "failed");
    if (result.status !== 0) {
      log(`(exit status ${result.status})`, "failed");
    }
  });
  await loadState().catch(() => {});
  refreshStoresSoon();
});

$("command").addEventListener("keydown", (event) => {
  if (event.key !== "ArrowUp" && event.key !== "ArrowDown") {
    return;
  }
  event.preventDefault();
  historyPlace = Math.min(Math.max(historyPlace + (event.key === "ArrowUp" ? -1 : 1), 0), history.length);
  event.target.value = history[historyPlace] ?? "";
});

// ---- start

loadState()
  .then(() => {
    refreshStores();
    followFrames();
  })
  .catch((error) => showStatus(error.message, true));
