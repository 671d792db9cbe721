"use strict";
// The page around the module. Every conversion runs the programs' own code on
// a file's bytes, one call a file: a database (.pdb) back to its question
// file as qdtext does, anything else to a database as qdconv does.
// Files come from the picker, a drop anywhere on the page or a paste; the
// editor's text is converted as a UTF-8 question file a moment after typing
// stops. Results are offered as downloads; nothing leaves the page.
// The page speaks the teacher's language (pageTexts): every finding of a run
// is said from the data of its report entry, with the console's English
// message kept below as a detail.
(function () {
  const element = (id) => document.getElementById(id);
  const pairsShownFirst = 20;  // of a long quiz, before the rest is asked for
  const typingPause = 400;     // milliseconds without typing before converting
  const area = element("text");

  // ---- Language ------------------------------------------------------------

  const languageKey = "qdconv.language";
  let language = "en";
  let texts = pageTexts.en;

  function storedLanguage() {
    try {
      return localStorage.getItem(languageKey);
    } catch (error) {
      return null;  // storage turned off: the browser's languages decide
    }
  }

  function browserLanguage() {
    for (const tag of navigator.languages || [navigator.language || ""]) {
      const code = tag.toLowerCase().split("-")[0];
      if (pageTexts[code]) return code;
    }
    return "en";
  }

  // |key|'s text in the page's language with the values of |values| in its
  // braces; a pair of texts is chosen by |values.n|.
  function say(key, values = {}, from = texts) {
    let text = from[key];
    if (text === undefined) return "";
    if (Array.isArray(text)) {
      const one = new Intl.PluralRules(language).select(Number(values.n)) === "one";
      text = text[one ? 0 : 1];
    }
    return text.replace(/\{(\w+)\}/g, (_, name) => (values[name] === undefined ? ""
                                                                              : String(values[name])));
  }

  // Puts |text| into |target|, its `quoted` parts as code.
  function setText(target, text) {
    target.replaceChildren(...text.split("`").map((part, index) =>
      (index % 2 ? make("code", "", part) : document.createTextNode(part))));
  }

  function applyLanguage(code) {
    language = code;
    texts = pageTexts[code];
    document.documentElement.lang = code;
    document.title = texts.title;
    for (const target of document.querySelectorAll("[data-text]")) {
      setText(target, texts[target.dataset.text]);
    }
    area.placeholder = texts.placeholder;
    element("language-label").textContent =
      code === "en" ? texts.language : texts.language + " (Language)";
    element("language").value = code;
    labelEncodings();
  }

  // ---- Encoding ------------------------------------------------------------

  // The encodings a file that is not UTF-8 may be read in, as qdconv's
  // --encoding names them: each its technical name and the languages it is
  // for (texts.codePages).
  const encodings = [
    ["windows-1252", "Windows-1252", "western"], ["windows-1250", "Windows-1250", "central"],
    ["windows-1251", "Windows-1251", "cyrillic"], ["windows-1253", "Windows-1253", "greek"],
    ["windows-1254", "Windows-1254", "turkish"], ["windows-1257", "Windows-1257", "baltic"],
    ["cp850", "DOS 850", "western"], ["cp852", "DOS 852", "central"],
    ["cp866", "DOS 866", "cyrillic"], ["cp437", "DOS 437", "unitedStates"],
    ["mac-roman", "Mac OS Roman", "western"], ["mac-ce", "Mac", "central"],
    ["mac-cyrillic", "Mac", "cyrillic"], ["utf-8", "UTF-8", ""], ["utf-16", "UTF-16", ""],
  ];
  const encodingMenu = element("encoding");

  function encodingLabel(name) {
    const known = encodings.find(([option]) => option === name);
    if (!known) return name;
    return known[2] ? texts.codePages[known[2]] + " (" + known[1] + ")" : known[1];
  }

  function labelEncodings() {
    if (encodingMenu.options.length === 0) {
      for (const [name] of [[""], ...encodings]) {
        const option = make("option");
        option.value = name;
        encodingMenu.append(option);
      }
    }
    for (const option of encodingMenu.options) {
      option.textContent = option.value ? encodingLabel(option.value) : texts.encodingAutomatic;
    }
  }

  // The browser's first language tells which code page 8-bit text saved on
  // this computer is likely in, as a machine's locale tells qdconv.
  const machineLanguage = (navigator.languages || [navigator.language || ""])[0] || "";

  const chooser = element("language");
  for (const code of Object.keys(pageTexts)) {
    const option = make("option", "", pageTexts[code].languageName);
    option.value = code;
    option.lang = code;
    chooser.append(option);
  }
  applyLanguage(storedLanguage() in pageTexts ? storedLanguage() : browserLanguage());
  chooser.addEventListener("change", () => {
    try {
      localStorage.setItem(languageKey, chooser.value);
    } catch (error) {
      // Not remembered, but switched all the same.
    }
    applyLanguage(chooser.value);
    redraw();
  });

  // ---- The module ----------------------------------------------------------

  // The module, started from the WebAssembly handed over as bytes: nothing is
  // fetched. A browser without WebAssembly, or one where it fails to start,
  // is told so at once.
  const ready = Promise.resolve().then(() => {
    if (typeof WebAssembly !== "object") throw new Error("no WebAssembly");
    const wasmBinary = Uint8Array.from(atob(qdconvWasm), (c) => c.charCodeAt(0));
    return createQdconvModule({ wasmBinary, print: () => {}, printErr: () => {} });
  });
  let loadedModule = null;
  ready.then((module) => {
    loadedModule = module;
  }, () => {
    element("unsupported").hidden = false;
    element("file").disabled = true;
    area.disabled = true;
    announce(say("cannotRun"));
  });

  function announce(text) {
    element("status").textContent = text;
  }

  // The module's answer (one JSON object) for |bytes| as a file named
  // |fileName|; |withText| asks for the editor's view of the file too.
  // |encoding| names the encoding the file is read in ("": found out).
  function runInModule(module, fileName, bytes, withText, encoding = "") {
    return withBytes(module, bytes, (at) => JSON.parse(
      module.ccall("PageRun", "string",
                   ["number", "number", "string", "number", "string", "string"],
                   [at, bytes.length, fileName, withText ? 1 : 0, machineLanguage, encoding])));
  }

  // |call| with the address of a copy of |bytes| in the module's memory.
  function withBytes(module, bytes, call) {
    const at = module._malloc(bytes.length || 1);
    module.HEAPU8.set(bytes, at);
    try {
      return call(at);
    } finally {
      module._free(at);
    }
  }

  // A copy of the file the last run made, which the module holds.
  function outputOf(module, size) {
    const at = module.ccall("PageOutput", "number", [], []);
    return module.HEAPU8.slice(at, at + size);
  }

  // A text as the editor shows it: an opened table's, or a database's, ends
  // without a line end, so that what is typed at the end fills its last line;
  // a last line that is empty is a record, and keeps its line end.
  function withoutLastLineEnd(text) {
    return text.endsWith("\n") && !text.endsWith("\n\n") ? text.slice(0, -1) : text;
  }

  // Converts |bytes| as a file named |fileName|: a database (.pdb) back to its
  // question file, anything else to a database, reading it in |encoding|
  // ("": found out; the editor's text is UTF-8). Returns what the page shows
  // of the run and, |withText|, the text the editor shows for the file.
  function run(module, fileName, bytes, withText, encoding = "") {
    const inputName = fileName.replace(/[\\/]/g, "_") || "question file";
    const answer = runInModule(module, inputName, bytes, withText, encoding);
    const ok = answer.ok;
    const shown = {
      fileName,
      ok,
      toQuestionFile: answer.toQuestionFile,
      message: answer.message,
      report: answer.report,
      outputName: answer.outputName,
      preview: answer.preview,
      name: ok ? answer.name : "",
      questions: ok ? answer.questions : 0,
      output: ok ? outputOf(module, answer.outputSize) : null,
      textName: answer.textName,
      text: null,
    };
    if (!withText) return shown;
    // The editor's text: the question file a database gives back, or the
    // file's own text decoded as the converter reads it.
    const editor = answer.editor;
    if (shown.toQuestionFile) {
      // UTF-8, or ANSI for a database holding bytes no UTF-8 text holds.
      shown.text = ok ? withoutLastLineEnd(new TextDecoder(editor.encoding).decode(shown.output))
                      : "";
    } else if (editor.text !== undefined) {
      shown.text = withoutLastLineEnd(editor.text);
    } else {
      const text = editor.encoding ? new TextDecoder(editor.encoding).decode(bytes) : "";
      const end = text.indexOf("\u001a");
      shown.text = end < 0 ? text : text.slice(0, end);
    }
    return shown;
  }

  // ---- Findings in words ---------------------------------------------------

  // Kinds of entry that one text says.
  const sharedTexts = {
    "unclosed-quote-at-record": "unclosed-quote",
    "unshowable-in-name": "unshowable",
    "unshowable-at-record": "unshowable",
    "invalid-text-in-name": "invalid-text",
    "invalid-text-at-record": "invalid-text",
    "line-too-long-at-record": "line-too-long",
    "not-a-database-too-short": "not-a-database",
    "not-a-database-name-without-end": "not-a-database",
    "list-runs-past-the-end": "damaged",
    "offset-into-header-or-list": "damaged",
    "offset-past-the-end": "damaged",
    "offset-before-the-previous": "damaged",
    "body-shorter-than-its-prefix": "damaged",
    "text-without-end": "damaged",
    "record-holds-line-feed": "not-a-line",
    "record-holds-end-of-file": "not-a-line",
    "hint-last-line-too-long": "hint-line-too-long",
    "hint-no-line-holds-record": "hint-not-made-here",
    "hint-only-ansi-holds-bytes": "hint-not-made-here",
  };

  function reportKey(entry) {
    if (entry.kind === "warn-empty-cell") {
      return entry.column === 0 ? "warn-empty-question-cell" : "warn-empty-answer-cell";
    }
    if (entry.kind === "warn-repeated-question" && entry.detail) {
      return "warn-repeated-question-other-answers";
    }
    return sharedTexts[entry.kind] || entry.kind;
  }

  const columnLetters = (column) => {
    let letters = "";
    for (let n = column + 1; n > 0; n = Math.floor((n - 1) / 26)) {
      letters = String.fromCharCode(65 + (n - 1) % 26) + letters;
    }
    return letters;
  };

  function characterText(code) {
    const character = String.fromCodePoint(code);
    if (/^[\p{C}\p{Z}]$/u.test(character)) {
      return say("invisibleCharacter", { code: code.toString(16).toUpperCase().padStart(4, "0") });
    }
    return say("character", { c: character });
  }

  // A line, or a table's cell when |column| is given.
  function lineOrCellText(line, column) {
    return column === undefined ? say("line", { n: line })
                                : say("cell", { n: line, column: columnLetters(column) });
  }

  function placeText(entry) {
    if (entry.inFileName) return say("inFileName");
    return entry.line === undefined ? "" : lineOrCellText(entry.line, entry.column);
  }

  function listText(items) {
    return new Intl.ListFormat(language, { type: "conjunction" }).format(items);
  }

  // The lines (or rows) an entry names, and how many more it counts.
  function placesText(entry) {
    const numbers = (entry.numbers || []).map(String);
    const all = entry.number || numbers.length;
    if (all > numbers.length) numbers.push(say("andMore", { n: all - numbers.length }));
    return say(entry.inTable ? "rows" : "lines", { n: all, list: listText(numbers) });
  }

  function laterCharactersText(entry) {
    const items = (entry.characters || []).map(([place, column, code]) =>
      say("placedCharacter", { place: lineOrCellText(place, entry.inTable ? column : undefined),
                               char: characterText(code) }));
    if (entry.number > items.length) items.push(say("andMore", { n: entry.number - items.length }));
    return listText(items);
  }

  const storedForms = { 32: "storedSpace", 160: "storedNoBreakSpace", 45: "storedHyphen" };
  const nameSubjects = ["nameLine", "nameFromFile", "nameOfDatabase"];

  // The entry said in the page's language, or "" for a kind the page has
  // no words for (those only the console programs meet).
  function explanation(entry) {
    const report = texts.report;
    const key = reportKey(entry);
    if (report[key] === undefined) return "";
    const values = {
      n: entry.number || 0,
      limit: entry.limit,
      half: entry.limit / 2,
      line: entry.line,
      name: entry.name,
      other: entry.otherName,
      place: placeText(entry),
      side: say(entry.detail ? "answer" : "question"),
      subject: say(nameSubjects[entry.detail || 0]),
      document: (texts.documents[entry.detail] || ""),
      alphabet: (texts.alphabets[entry.detail] || ""),
    };
    if (entry.character !== undefined) {
      values.char = characterText(entry.character);
      values.what = entry.character === 9 ? say("tab") : values.char;
    }
    if (entry.stored !== undefined) values.stored = say(storedForms[entry.stored] || "storedLeftOut");
    if (entry.numbers) values.places = placesText(entry);
    if (entry.characters) values.list = laterCharactersText(entry);
    if (entry.encoding) values.encoding = encodingLabel(entry.encoding);
    if (entry.readings) {
      values.readings = listText(entry.readings.map((word, k) =>
        say("readingIn", { word, encoding: encodingLabel(entry.encodings[k]) })));
    }
    values.menu = texts.encodingLabel;
    const text = say(key, values, report);
    return text.charAt(0).toLocaleUpperCase(language) + text.slice(1);
  }

  // ---- Showing a run -------------------------------------------------------

  function make(tag, className, text) {
    const made = document.createElement(tag);
    if (className) made.className = className;
    if (text !== undefined) made.textContent = text;
    return made;
  }

  // A finding: its explanation first, then the console's English text.
  function note(explained, consoleText, className) {
    const item = make("li", className);
    if (explained) setText(item.appendChild(make("span", "explanation")), explained);
    const detail = item.appendChild(make("span", "console", consoleText));
    detail.lang = "en";
    return item;
  }

  // The run's warnings and hints: the entries of its report that are notes
  // (a kind "warn-..." or "hint-...").
  function showNotes(list, report) {
    list.replaceChildren();
    for (const entry of report) {
      const warning = entry.kind.startsWith("warn-");
      if (warning || entry.kind.startsWith("hint-")) {
        list.append(note(explanation(entry), entry.text, warning ? "warning" : "hint"));
      }
    }
    list.hidden = list.children.length === 0;
  }

  // What the run ended with: the count, or why it stopped.
  function outcomeText(shown) {
    if (shown.said) return say(shown.said);
    const ending = shown.report.filter((entry) => !entry.kind.startsWith("warn-") &&
                                                  !entry.kind.startsWith("hint-"));
    return ending.length ? explanation(ending[ending.length - 1]) : "";
  }

  // The outcome's explanation, then the console's message (".message").
  function showOutcome(container, shown) {
    setText(container.querySelector(".outcome-text"), outcomeText(shown));
    container.querySelector(".console-label").textContent = say("consoleSays");
    container.querySelector(".message").textContent = shown.message;
    container.querySelector(".console-line").hidden = !shown.message;
  }

  // The parts showOutcome fills, for an entry of the list of files.
  function outcomeParts() {
    const line = make("p", "console-line");
    line.append(make("span", "console-label"), " ", make("code", "message"));
    line.lastChild.lang = "en";
    return [make("p", "outcome-text"), line];
  }

  // A button that saves |bytes| as |fileName|: a real button, so that Enter
  // and Space both work.
  function setDownload(button, label, fileName, bytes) {
    button.hidden = !bytes;
    if (!bytes) return;
    button.textContent = label;
    button.dataset.fileName = fileName;
    button.onclick = () => save(fileName, bytes);
  }

  function save(fileName, bytes) {
    const url = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
    const link = document.createElement("a");
    link.href = url;
    link.download = fileName;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  // The findings of a preview's records ([place, text, finding]), as the
  // module numbers them (RecordFinding).
  const finding = {
    sound: 0, blank: 1, cutByNul: 2, withoutAnswer: 3, stoppedTheRun: 4, blankShiftsPairs: 5,
  };

  function findingText(found, side, table) {
    switch (found) {
      case finding.blank: return say(table ? "findingBlankCell" : "findingBlankLine", { side });
      case finding.blankShiftsPairs: return say("findingBlankShifts", { side });
      case finding.cutByNul: return say("findingCutByNul");
      case finding.withoutAnswer: return say("findingWithoutAnswer");
      default: return say("findingStopped");
    }
  }

  function recordCell(record, side, table) {
    const cell = make("td");
    if (!record) return cell;
    const [, text, found] = record;
    cell.append(text === "" ? make("span", "text empty", say("empty")) : make("span", "text", text));
    if (found !== finding.sound) {
      cell.append(make("span", "finding", "\u26A0\uFE0E " + findingText(found, say(side), table)));
    }
    return cell;
  }

  // The quiz as a table of question and answer pairs, in record order, named
  // by their lines (or rows); a click on a pair puts the editor's cursor on
  // its line. A long quiz shows its first pairs and every pair with a
  // finding, until the rest is asked for.
  function showPreview(container, preview, all) {
    container.replaceChildren();
    const records = preview.records;
    if (records.length === 0) return;
    const pairs = [];
    for (let k = 0; k < records.length; k += 2) pairs.push([records[k], records[k + 1]]);
    const hasFinding = (pair) => pair.some((record) => record && record[2] !== finding.sound);
    const table = make("table");
    const stopped = records[records.length - 1][2] === finding.stoppedTheRun;
    table.append(make("caption", "", say(stopped ? "captionStopped" : "caption")));
    const head = make("tr");
    for (const title of [preview.table ? "headRow" : "headLines", "headQuestion", "headAnswer"]) {
      const th = make("th", "", say(title));
      th.scope = "col";
      head.append(th);
    }
    table.appendChild(make("thead")).append(head);
    const body = table.appendChild(make("tbody"));
    let hidden = 0;
    let allHidden = 0;
    const gap = () => {
      if (hidden === 0) return;
      const row = body.appendChild(make("tr"));
      row.appendChild(make("td", "gap", say("gap", { n: hidden }))).colSpan = 3;
      allHidden += hidden;
      hidden = 0;
    };
    pairs.forEach((pair, index) => {
      if (!all && index >= pairsShownFirst && !hasFinding(pair)) {
        ++hidden;
        return;
      }
      gap();
      const [question, answer] = pair;
      const row = body.appendChild(make("tr", hasFinding(pair) ? "has-finding" : ""));
      row.dataset.place = String(question[0]);
      // A table's text in the editor holds its name, then a line a cell.
      const line = preview.table ? 2 + 2 * index : question[0];
      row.dataset.line = String(line);
      const place = preview.table || !answer ? String(question[0])
                                             : question[0] + "\u2013" + answer[0];
      const th = row.appendChild(make("th"));
      th.scope = "row";
      const go = th.appendChild(make("button", "place", place));
      go.type = "button";
      go.title = say("goToLine", { n: line });
      row.append(recordCell(question, "question", preview.table),
                 recordCell(answer, "answer", preview.table));
    });
    gap();
    container.append(table);
    table.addEventListener("click", (event) => {
      const row = event.target.closest("tr[data-line]");
      if (row && area.value !== "") goToLine(Number(row.dataset.line));
    });
    if (allHidden > 0) {
      const more = make("button", "secondary", say("showAll", { n: allHidden }));
      more.type = "button";
      more.id = "show-all";
      more.onclick = () => {
        showPreview(container, preview, true);
        container.querySelector("table").tabIndex = -1;
        container.querySelector("table").focus();
      };
      container.append(more);
    }
  }

  // The answer key the page prints: the quiz's name, its count, and its
  // pairs numbered.
  function showAnswerKey(shown) {
    const key = element("answer-key");
    const records = shown.ok ? shown.preview.records : [];
    key.replaceChildren();
    // Without a quiz to give, the page prints as it is.
    document.body.classList.toggle("printing-key", records.length > 0);
    if (records.length === 0) return;
    key.append(make("h2", "", shown.name), make("p", "", say("keyCount", { n: shown.questions })));
    const table = key.appendChild(make("table"));
    const head = table.appendChild(make("thead")).appendChild(make("tr"));
    for (const title of ["#", say("headQuestion"), say("headAnswer")]) {
      head.appendChild(make("th", "", title)).scope = "col";
    }
    const body = table.appendChild(make("tbody"));
    for (let k = 0; k < records.length; k += 2) {
      const row = body.appendChild(make("tr"));
      row.appendChild(make("th", "", String(k / 2 + 1))).scope = "row";
      row.append(make("td", "", records[k][1]), make("td", "", records[k + 1] ? records[k + 1][1] : ""));
    }
  }

  function showNextSteps(shown) {
    const steps = element("next-steps");
    steps.hidden = !shown.ok || shown.toQuestionFile;
    const oldEmulator = element("old-emulator-name");
    oldEmulator.hidden = !/[^\x20-\x7e]/.test(shown.name);
    oldEmulator.textContent = say("nextOldEmulatorName", { name: shown.name });
  }

  // The editor's result: the run |shown|, titled by |title()|, with the
  // question file's text to keep (|textBytes|, named |textName|) when it is
  // not the run's own output.
  let lastResult = null;

  function showResult(shown, title, textName, textBytes) {
    lastResult = [shown, title, textName, textBytes];
    const result = element("result");
    result.classList.toggle("refused", !shown.ok);
    element("outcome").textContent = say(shown.ok ? "converted" : "notConverted",
                                         { title: title() });
    showOutcome(result, shown);
    showNotes(element("notes"), shown.report);
    element("summary").hidden = !shown.ok;
    element("name").textContent = shown.name;
    element("questions").textContent = shown.ok ? String(shown.questions) : "";
    setDownload(element("download"), say("download", { name: shown.outputName }),
                shown.outputName, shown.output);
    // The question file is worth keeping even while it does not convert yet.
    const keepText = !shown.toQuestionFile && textBytes && textBytes.length > 0;
    setDownload(element("download-text"), say("downloadText", { name: textName }),
                textName, keepText ? textBytes : null);
    showNextSteps(shown);
    showPreview(element("preview"), shown.preview, false);
    showAnswerKey(shown);
    element("print").disabled = !shown.ok || shown.preview.records.length === 0;
    result.hidden = false;
    result.dataset.runs = String(Number(result.dataset.runs) + 1);
    result.dataset.state = "done";
    announce(element("outcome").textContent + ". " + outcomeText(shown));
  }

  // ---- The editor ----------------------------------------------------------

  // The file name the editor's text converts as: the file it came from while
  // the text is still that file's (its first line unchanged), else one made
  // from the text's first line, the quiz's name.
  let editorName = "";
  let editorFirstLine = "";
  let askingName = false;  // a paste left line 1 empty for the quiz's name
  let typingTimer = 0;
  const firstLine = (text) => text.split("\n", 1)[0];

  function fileNameFromText(text) {
    const name = firstLine(text).replace(/[\u0000-\u001f\u007f"*/:<>?\\|]/g, "_")
                                .replace(/^[\s.]+|[\s.]+$/g, "").slice(0, 64);
    return (name || "quiz") + ".txt";
  }

  function setEditorName(name, text) {
    editorName = name;
    editorFirstLine = firstLine(text);
    element("source").textContent = name ? " (" + name + ")" : "";
  }

  function convertEditorText(module) {
    typingTimer = 0;
    const text = area.value;
    if (editorName && (text === "" || firstLine(text) !== editorFirstLine)) setEditorName("", "");
    if (text === "") {
      element("result").hidden = true;
      element("result").dataset.state = "done";
      return;
    }
    const fromFile = editorName;
    const name = fromFile || fileNameFromText(text);
    const bytes = new TextEncoder().encode(text);
    showResult(run(module, name, bytes, false),
               () => (fromFile ? say("edited", { name }) : say("yourQuestions")), name, bytes);
    askingName = askingName && firstLine(text) === "";
    if (askingName) announce(say("pasteAsksName"));
  }

  function scheduleConversion() {
    element("result").dataset.state = "waiting";
    clearTimeout(typingTimer);
    typingTimer = setTimeout(() => ready.then(convertEditorText), typingPause);
  }

  // The numbers beside the editor's lines, one a line of text: the editor
  // does not wrap its lines, so each line is one row of both.
  const gutter = element("line-numbers");
  let numberedLines = 0;

  function numberLines() {
    area.wrap = area.value === "" ? "soft" : "off";  // the placeholder wraps
    let lines = 1;
    for (let at = area.value.indexOf("\n"); at >= 0; at = area.value.indexOf("\n", at + 1)) ++lines;
    if (lines !== numberedLines) {
      numberedLines = lines;
      gutter.textContent = Array.from({ length: lines }, (_, k) => k + 1).join("\n");
      gutter.style.width = Math.max(2, String(lines).length) + "ch";
    }
    gutter.scrollTop = area.scrollTop;
  }

  area.addEventListener("input", () => {
    numberLines();
    scheduleConversion();
  });
  area.addEventListener("scroll", () => {
    gutter.scrollTop = area.scrollTop;
  });

  // Puts the cursor at the start of |line| and scrolls it into view.
  function goToLine(line) {
    const text = area.value;
    let at = 0;
    for (let k = 1; k < line; ++k) {
      const end = text.indexOf("\n", at);
      if (end < 0) break;
      at = end + 1;
    }
    area.focus();
    area.setSelectionRange(at, at);
    const rowHeight = parseFloat(getComputedStyle(area).lineHeight);
    area.scrollTop = Math.max(0, (line - 1) * rowHeight - area.clientHeight / 3);
    gutter.scrollTop = area.scrollTop;
  }

  // Replaces |start|..|end| of the editor's text with |text| as typing would,
  // so that the browser's undo takes it back.
  function replaceText(start, end, text) {
    area.focus();
    area.setSelectionRange(start, end);
    if (!document.execCommand("insertText", false, text)) {
      area.setRangeText(text, start, end, "end");
      area.dispatchEvent(new Event("input"));
    }
  }

  // Questions become answers and answers questions, pair by pair; a last
  // question without an answer stays where it is.
  element("swap").addEventListener("click", () => {
    const lines = area.value.split("\n");
    for (let k = 1; k + 1 < lines.length; k += 2) [lines[k], lines[k + 1]] = [lines[k + 1], lines[k]];
    replaceText(0, area.value.length, lines.join("\n"));
    announce(say("swapped"));
  });

  element("print").addEventListener("click", () => window.print());

  // Rows copied from a spreadsheet arrive as tab-separated text: they become
  // question and answer lines, read as the converter reads a table. Into an
  // empty (or wholly selected) editor they come under a name line: the
  // opened file's name, or an empty line 1 the page asks to fill. Elsewhere
  // they come as whole lines, adding no blank line. A copied file is opened
  // as if dropped. Until the module has started, a paste is only text.
  area.addEventListener("paste", (event) => {
    const data = event.clipboardData;
    if (data && data.files && data.files.length > 0) {
      event.preventDefault();
      take(Array.from(data.files));
      return;
    }
    const pasted = data ? data.getData("text/plain") : "";
    const module = loadedModule;
    const bytes = new TextEncoder().encode(pasted);
    if (!module || !withBytes(module, bytes, (at) => module.ccall(
      "PageIsTabSeparatedPaste", "number", ["number", "number"], [at, bytes.length]))) {
      return;
    }
    event.preventDefault();
    const stem = editorName.replace(/\.[^.]*$/, "");
    const table = runInModule(module, (stem || "Questions") + ".tsv", bytes, true).editor.text;
    const rows = withoutLastLineEnd(table.slice(table.indexOf("\n") + 1));
    const start = area.selectionStart;
    const end = area.selectionEnd;
    const value = area.value;
    if (start === 0 && end === value.length) {
      const name = stem ? firstLine(table) : "";
      replaceText(0, end, name + "\n" + rows);
      if (!stem) {
        area.setSelectionRange(0, 0);
        askingName = true;
        announce(say("pasteAsksName"));
      }
      return;
    }
    const before = start === 0 || value[start - 1] === "\n" ? "" : "\n";
    const after = end === value.length || value[end] === "\n" ? "" : "\n";
    replaceText(start, end, before + rows + after);
  });

  // Puts the text of the file |shown| came from into the editor.
  function openInEditor(shown) {
    clearTimeout(typingTimer);
    area.value = shown.text;
    area.scrollTop = 0;
    numberLines();
    setEditorName(shown.text === "" ? "" : shown.textName, shown.text);
    const textBytes = new TextEncoder().encode(shown.text);
    showResult(shown, () => shown.fileName, shown.textName, textBytes);
  }

  // ---- Files ---------------------------------------------------------------

  let lastRuns = null;

  // One entry of the list of several files.
  function fileEntry(shown) {
    const item = make("li", shown.ok ? "" : "refused");
    item.dataset.fileName = shown.fileName;
    item.append(make("h3", "", say(shown.ok ? "converted" : "notConverted",
                                   { title: shown.fileName })));
    item.append(...outcomeParts());
    showOutcome(item, shown);
    const notes = item.appendChild(make("ul", "notes"));
    showNotes(notes, shown.report);
    const buttons = item.appendChild(make("p", "downloads"));
    const download = buttons.appendChild(make("button"));
    download.type = "button";
    download.className = "download";
    setDownload(download, say("download", { name: shown.outputName }), shown.outputName,
                shown.output);
    const edit = buttons.appendChild(make("button", "secondary", say("showInEditor")));
    edit.type = "button";
    edit.setAttribute("aria-label", say("showInEditorFor", { name: shown.fileName }));
    edit.onclick = () => {
      openInEditor(shown);
      area.focus();
    };
    return item;
  }

  // Warnings for databases of the same name: the handheld keeps one of each.
  function showSameNames(module, runs) {
    const first = new Map();
    const list = element("same-names");
    list.replaceChildren();
    for (const shown of runs) {
      if (!shown.ok || shown.toQuestionFile) continue;
      if (first.has(shown.name)) {
        const values = { first: first.get(shown.name), second: shown.fileName, name: shown.name };
        list.append(note(say("sameName", values), module.ccall(
          "PageSameNameWarning", "string", ["string", "string", "string"],
          [values.first, values.second, values.name]), "warning"));
      } else {
        first.set(shown.name, shown.fileName);
      }
    }
    list.hidden = list.children.length === 0;
  }

  // The converted files' outputs as one zip, each under its download's name
  // (a name given twice gets a number).
  function zipOf(runs) {
    const taken = new Set();
    const files = [];
    for (const shown of runs.filter((run) => run.ok)) {
      let name = shown.outputName;
      for (let k = 2; taken.has(name.toLowerCase()); ++k) {
        name = shown.outputName.replace(/(\.[^.]*)?$/, " (" + k + ")$1");
      }
      taken.add(name.toLowerCase());
      files.push({ name, bytes: shown.output });
    }
    return storedZip(files);
  }

  function showFiles(module, runs) {
    const section = element("files");
    if (runs.length === 1) {
      lastRuns = null;
      section.hidden = true;
      openInEditor(runs[0]);
      return;
    }
    lastRuns = runs;
    element("file-list").replaceChildren(...runs.map(fileEntry));
    showSameNames(module, runs);
    const converted = runs.filter((shown) => shown.ok).length;
    const all = element("download-all");
    all.hidden = converted === 0;
    all.textContent = say("downloadAll", { n: converted });
    all.dataset.fileName = "quizzes.zip";
    all.onclick = () => save("quizzes.zip", zipOf(runs));
    section.hidden = false;
    section.dataset.runs = String(Number(section.dataset.runs || 0) + 1);
    announce(say("filesStatus", { n: runs.length, good: converted, bad: runs.length - converted }));
  }

  // Says again what the page shows, in the language just chosen.
  function redraw() {
    if (lastRuns && loadedModule) showFiles(loadedModule, lastRuns);
    if (lastResult && !element("result").hidden) showResult(...lastResult);
  }

  // A file the browser could not read, as a refused run.
  function unreadable(file) {
    return { fileName: file.name, ok: false, toQuestionFile: false, said: "unreadable", message: "",
             report: [], outputName: "", output: null, name: "", questions: 0, text: "",
             textName: "", preview: { table: false, records: [] } };
  }

  // The files last chosen, read, to convert again in another encoding.
  let lastFiles = [];

  function take(files) {
    if (files.length === 0) return;
    ready.then(async (module) => {
      const read = [];
      for (const file of files) {
        try {
          read.push({ file, bytes: new Uint8Array(await file.arrayBuffer()) });
        } catch (error) {
          read.push({ file, bytes: null });
        }
      }
      lastFiles = read;
      convertFiles(module, read);
    });
  }

  function convertFiles(module, read) {
    const runs = [];
    for (const { file, bytes } of read) {
      if (!bytes) {
        runs.push(unreadable(file));
        continue;
      }
      // Timed for bench/page_speed.py: the conversion, and then the showing.
      const start = performance.now();
      runs.push(run(module, file.name, bytes, true, encodingMenu.value));
      performance.measure("qdconv conversion", { start, end: performance.now() });
    }
    const start = performance.now();
    showFiles(module, runs);
    performance.measure("qdconv showing", { start, end: performance.now() });
  }

  // Another encoding chosen: the files last chosen are converted again in it.
  encodingMenu.addEventListener("change", () => {
    if (lastFiles.length > 0) ready.then((module) => convertFiles(module, lastFiles));
  });

  const input = element("file");
  input.addEventListener("change", () => {
    take(Array.from(input.files));
    input.value = "";
  });
  // Files dropped anywhere on the page, never opened in its place.
  const carriesFiles = (event) => event.dataTransfer && event.dataTransfer.types.includes("Files");
  for (const type of ["dragenter", "dragover"]) {
    document.addEventListener(type, (event) => {
      if (!carriesFiles(event)) return;
      event.preventDefault();
      event.dataTransfer.dropEffect = "copy";
      document.body.classList.add("dragging");
    });
  }
  document.addEventListener("dragleave", (event) => {
    if (!event.relatedTarget) document.body.classList.remove("dragging");
  });
  document.addEventListener("drop", (event) => {
    document.body.classList.remove("dragging");
    if (!carriesFiles(event)) return;
    event.preventDefault();
    take(Array.from(event.dataTransfer.files));
  });
  numberLines();
})();
