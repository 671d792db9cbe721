"use strict";
// The page around the module. Every conversion runs the programs' own code on
// a file's bytes, one call a file: a database (.pdb) back to its question
// file as qdtext does, anything else to a database as qdconv does.
// Files come from the picker or a drop anywhere on the page; the editor's
// text is converted as a UTF-8 question file a moment after typing stops.
// Results are offered as downloads; nothing leaves the page.
(function () {
  const element = (id) => document.getElementById(id);
  const pairsShownFirst = 20;  // of a long quiz, before the rest is asked for
  const typingPause = 400;     // milliseconds without typing before converting

  // The module, started from the WebAssembly handed over as bytes: nothing is
  // fetched. A browser without WebAssembly, or one where it fails to start,
  // is told so at once.
  const ready = Promise.resolve().then(() => {
    if (typeof WebAssembly !== "object") throw new Error("no WebAssembly");
    const wasmBinary = Uint8Array.from(atob(qdconvWasm), (c) => c.charCodeAt(0));
    return createQdconvModule({ wasmBinary, print: () => {}, printErr: () => {} });
  });
  ready.catch(() => {
    element("unsupported").hidden = false;
    element("file").disabled = true;
    element("text").disabled = true;
    announce("This browser cannot run the converter.");
  });

  function announce(text) {
    element("status").textContent = text;
  }

  // ---- Runs --------------------------------------------------------------

  // The module's answer (one JSON object) for |bytes| as a file named
  // |fileName|; |withText| asks for the editor's view of the file too.
  function runInModule(module, fileName, bytes, withText) {
    return withBytes(module, bytes, (at) => JSON.parse(
      module.ccall("PageRun", "string", ["number", "number", "string", "number"],
                   [at, bytes.length, fileName, withText ? 1 : 0])));
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

  // Converts |bytes| as a file named |fileName|: a database (.pdb) back to its
  // question file, anything else to a database. Returns what the page shows
  // of the run and, |withText|, the text the editor shows for the file.
  function run(module, fileName, bytes, withText) {
    const inputName = fileName.replace(/[\\/]/g, "_") || "question file";
    const answer = runInModule(module, inputName, bytes, withText);
    const ok = answer.ok;
    const shown = {
      fileName,
      ok,
      toQuestionFile: answer.toQuestionFile,
      message: answer.message,
      report: answer.report,
      outputName: answer.outputName,
      preview: answer.preview,
      summary: ok ? answer.name + "\t" + answer.questions : "",
      output: ok ? Uint8Array.from(atob(answer.output), (c) => c.charCodeAt(0)) : null,
      textName: answer.textName,
      text: null,
    };
    if (!withText) return shown;
    // The editor's text: the question file a database gives back, or the
    // file's own text decoded as the converter reads it.
    const editor = answer.editor;
    if (shown.toQuestionFile) {
      // UTF-8, or ANSI for a database holding bytes no UTF-8 text holds.
      shown.text = ok ? new TextDecoder(editor.encoding).decode(shown.output) : "";
    } else if (editor.text !== undefined) {
      shown.text = editor.text;
    } else {
      const text = editor.encoding ? new TextDecoder(editor.encoding).decode(bytes) : "";
      const end = text.indexOf("\u001a");
      shown.text = end < 0 ? text : text.slice(0, end);
    }
    return shown;
  }

  // ---- Showing a run -----------------------------------------------------

  function make(tag, className, text) {
    const made = document.createElement(tag);
    if (className) made.className = className;
    if (text !== undefined) made.textContent = text;
    return made;
  }

  // The run's warnings and hints: the entries of its report that are notes
  // ({kind, text, ...}: a kind "warn-..." or "hint-..." and the text the
  // console gives it, "Warning: ..." or "Hint: ...").
  function showNotes(list, report) {
    list.replaceChildren();
    for (const entry of report) {
      const warning = entry.kind.startsWith("warn-");
      if (warning || entry.kind.startsWith("hint-")) {
        list.append(make("li", warning ? "warning" : "hint", entry.text));
      }
    }
    list.hidden = list.children.length === 0;
  }

  // A button that saves |bytes| as |fileName|: a real button, so that Enter
  // and Space both work.
  function setDownload(button, label, fileName, bytes) {
    button.hidden = !bytes;
    if (!bytes) return;
    button.textContent = label;
    button.dataset.fileName = fileName;
    button.onclick = () => {
      const url = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
      const link = document.createElement("a");
      link.href = url;
      link.download = fileName;
      document.body.append(link);
      link.click();
      link.remove();
      setTimeout(() => URL.revokeObjectURL(url), 60000);
    };
  }

  // The findings of a preview's records ([place, text, finding]), as the
  // module numbers them (RecordFinding).
  const finding = {
    sound: 0, blank: 1, cutByNul: 2, withoutAnswer: 3, stoppedTheRun: 4, blankShiftsPairs: 5,
  };
  const findingTexts = {
    [finding.blank]: (side, table) =>
      table ? "Empty cell: the " + side + " of this row is missing"
            : "Blank line: an empty " + side,
    [finding.blankShiftsPairs]: (side) =>
      "Blank line: an empty " + side + " (every pair after it moves)",
    [finding.cutByNul]: () => "Holds a NUL byte: the text after it is not stored",
    [finding.withoutAnswer]: () => "No answer: the last question has none",
    [finding.stoppedTheRun]: () => "The conversion stopped here: see the hint above",
  };

  function recordCell(record, side, table) {
    const cell = make("td");
    if (!record) return cell;
    const [, text, found] = record;
    cell.append(text === "" ? make("span", "text empty", "(empty)") : make("span", "text", text));
    if (found !== finding.sound) {
      cell.append(make("span", "finding", "\u26A0\uFE0E " + findingTexts[found](side, table)));
    }
    return cell;
  }

  // The quiz as a table of question and answer pairs, in record order, named
  // by their lines (or rows). A long quiz shows its first pairs and every
  // pair with a finding, until the rest is asked for.
  function showPreview(container, preview, all) {
    container.replaceChildren();
    const records = preview.records;
    if (records.length === 0) return;
    const pairs = [];
    for (let k = 0; k < records.length; k += 2) pairs.push([records[k], records[k + 1]]);
    const hasFinding = (pair) => pair.some((record) => record && record[2] !== finding.sound);
    const table = make("table");
    const stopped = records[records.length - 1][2] === finding.stoppedTheRun;
    table.append(make("caption", "", stopped ? "Your quiz, up to where the conversion stopped"
                                             : "Your quiz, question by question"));
    const head = make("tr");
    for (const title of [preview.table ? "Row" : "Lines", "Question", "Answer"]) {
      const th = make("th", "", title);
      th.scope = "col";
      head.append(th);
    }
    table.appendChild(make("thead")).append(head);
    const body = table.appendChild(make("tbody"));
    let hidden = 0;
    const gap = () => {
      if (hidden === 0) return;
      const row = body.appendChild(make("tr"));
      const cell = row.appendChild(make("td", "gap", "\u2026 " + hidden +
                                        (hidden === 1 ? " more pair" : " more pairs")));
      cell.colSpan = 3;
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
      const place = preview.table || !answer ? String(question[0])
                                             : question[0] + "\u2013" + answer[0];
      const th = row.appendChild(make("th", "", place));
      th.scope = "row";
      row.append(recordCell(question, "question", preview.table),
                 recordCell(answer, "answer", preview.table));
    });
    gap();
    container.append(table);
    if (!all && body.querySelector("td.gap")) {
      const more = make("button", "secondary", "Show all " + pairs.length + " rows");
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

  // The editor's result: the run |shown| of |title|, with the question
  // file's text to keep (|textBytes|, named |textName|) when it is not
  // the run's own output.
  function showResult(shown, title, textName, textBytes) {
    const result = element("result");
    result.classList.toggle("refused", !shown.ok);
    element("outcome").textContent = title + ": " + (shown.ok ? "converted" : "not converted");
    element("message").textContent = shown.message;
    showNotes(element("notes"), shown.report);
    const [name, questions] = shown.summary ? shown.summary.split("\t") : [];
    element("summary").hidden = !shown.summary;
    element("name").textContent = name || "";
    element("questions").textContent = questions || "";
    setDownload(element("download"), "Download " + shown.outputName, shown.outputName,
                shown.output);
    // The question file is worth keeping even while it does not convert yet.
    const keepText = !shown.toQuestionFile && textBytes && textBytes.length > 0;
    setDownload(element("download-text"), "Download " + textName + " (the question file, UTF-8)",
                textName, keepText ? textBytes : null);
    element("next-steps").hidden = !shown.ok || shown.toQuestionFile;
    showPreview(element("preview"), shown.preview, false);
    result.hidden = false;
    result.dataset.runs = String(Number(result.dataset.runs) + 1);
    result.dataset.state = "done";
    announce(title + ": " + shown.message);
  }

  // ---- The editor --------------------------------------------------------

  const area = element("text");
  // The file name the editor's text converts as: the file it came from, or,
  // for text typed here, one made from its first line (the quiz's name).
  let editorName = "";
  let typingTimer = 0;

  function fileNameFromText(text) {
    const line = text.split("\n", 1)[0];
    const name = line.replace(/[\u0000-\u001f\u007f"*/:<>?\\|]/g, "_")
                     .replace(/^[\s.]+|[\s.]+$/g, "").slice(0, 64);
    return (name || "quiz") + ".txt";
  }

  function convertEditorText(module) {
    typingTimer = 0;
    const text = area.value;
    if (text === "") {
      editorName = "";
      element("source").textContent = "";
      element("result").hidden = true;
      element("result").dataset.state = "done";
      return;
    }
    const name = editorName || fileNameFromText(text);
    const bytes = new TextEncoder().encode(text);
    showResult(run(module, name, bytes, false), editorName ? name + " (edited)" : "Your questions",
               name, bytes);
  }

  function scheduleConversion() {
    element("result").dataset.state = "waiting";
    clearTimeout(typingTimer);
    typingTimer = setTimeout(() => ready.then(convertEditorText), typingPause);
  }

  area.addEventListener("input", scheduleConversion);

  // Two columns pasted from a spreadsheet arrive as tab-separated rows: they
  // become question and answer lines, read as the converter reads a table.
  // Into an empty editor they come with a name line to type over. Until the
  // module has started, a paste is only text.
  let loadedModule = null;
  ready.then((module) => {
    loadedModule = module;
  }, () => {});
  area.addEventListener("paste", (event) => {
    const pasted = event.clipboardData ? event.clipboardData.getData("text/plain") : "";
    const module = loadedModule;
    const bytes = new TextEncoder().encode(pasted);
    if (!module || !withBytes(module, bytes, (at) => module.ccall(
      "PageIsTabSeparatedPaste", "number", ["number", "number"], [at, bytes.length]))) {
      return;
    }
    event.preventDefault();
    element("result").dataset.state = "waiting";
    const text = runInModule(module, "Questions.tsv", bytes, true).editor.text;
    const whole = area.selectionStart === 0 && area.selectionEnd === area.value.length;
    if (whole) {
      area.value = text;
      area.setSelectionRange(0, text.indexOf("\n"));
    } else {
      const start = area.selectionStart;
      const before = start === 0 || area.value[start - 1] === "\n" ? "" : "\n";
      area.setRangeText(before + text.slice(text.indexOf("\n") + 1), start,
                        area.selectionEnd, "end");
    }
    scheduleConversion();
  });

  // Puts the text of the file |shown| came from into the editor.
  function openInEditor(shown) {
    clearTimeout(typingTimer);
    area.value = shown.text;
    editorName = shown.text === "" ? "" : shown.textName;
    element("source").textContent = editorName ? " (" + editorName + ")" : "";
    const textBytes = new TextEncoder().encode(shown.text);
    showResult(shown, shown.fileName, shown.textName, textBytes);
  }

  // ---- Files ---------------------------------------------------------------

  // One entry of the list of several files.
  function fileEntry(shown) {
    const item = make("li", shown.ok ? "" : "refused");
    item.dataset.fileName = shown.fileName;
    item.append(make("h3", "", shown.fileName + ": " + (shown.ok ? "converted" : "not converted")));
    item.append(make("p", "message", shown.message));
    const notes = item.appendChild(make("ul", "notes"));
    showNotes(notes, shown.report);
    const buttons = item.appendChild(make("p", "downloads"));
    const download = buttons.appendChild(make("button"));
    download.type = "button";
    download.className = "download";
    setDownload(download, "Download " + shown.outputName, shown.outputName, shown.output);
    const edit = buttons.appendChild(make("button", "secondary", "Show in the editor"));
    edit.type = "button";
    edit.setAttribute("aria-label", "Show in the editor: " + shown.fileName);
    edit.onclick = () => {
      openInEditor(shown);
      area.focus();
    };
    return item;
  }

  // Warnings for databases of the same name: the handheld keeps one of each.
  function showSameNames(module, runs) {
    const first = new Map();
    const notes = [];
    for (const shown of runs) {
      if (!shown.ok || shown.toQuestionFile) continue;
      const name = shown.summary.split("\t")[0];
      if (first.has(name)) {
        notes.push({kind: "warn-same-name", text: module.ccall(
          "PageSameNameWarning", "string", ["string", "string", "string"],
          [first.get(name), shown.fileName, name])});
      } else {
        first.set(name, shown.fileName);
      }
    }
    showNotes(element("same-names"), notes);
  }

  function showFiles(module, runs) {
    const section = element("files");
    if (runs.length === 1) {
      section.hidden = true;
      openInEditor(runs[0]);
      return;
    }
    element("file-list").replaceChildren(...runs.map(fileEntry));
    showSameNames(module, runs);
    section.hidden = false;
    section.dataset.runs = String(Number(section.dataset.runs || 0) + 1);
    const converted = runs.filter((shown) => shown.ok).length;
    announce(runs.length + " files: " + converted + " converted, " +
             (runs.length - converted) + " not converted");
  }

  // A file the browser could not read, as a refused run.
  function unreadable(file, error) {
    return { fileName: file.name, ok: false, toQuestionFile: false,
             message: "The page could not read the file: " + error, notes: "", outputName: "",
             output: null, summary: "", text: "", textName: "",
             preview: { table: false, records: [] } };
  }

  function take(files) {
    if (files.length === 0) return;
    ready.then(async (module) => {
      const runs = [];
      for (const file of files) {
        let bytes;
        try {
          bytes = new Uint8Array(await file.arrayBuffer());
        } catch (error) {
          runs.push(unreadable(file, error));
          continue;
        }
        runs.push(run(module, file.name, bytes, true));
      }
      showFiles(module, runs);
    });
  }

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
})();
