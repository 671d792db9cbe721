"use strict";
// The page around the module: a file chosen or dropped is written to the
// module's in-memory file system and converted there, by the same code as
// the programs: a database (.pdb) back to its question file as qdtext does,
// anything else to a database as qdconv does. The result is offered as a
// download; nothing leaves the page.
(function () {
  const element = (id) => document.getElementById(id);
  const folder = "/work";
  let download = null;  // the object URL offered last
  // The module's WebAssembly, handed over as bytes: nothing is fetched.
  const wasmBinary = Uint8Array.from(atob(qdconvWasm), (c) => c.charCodeAt(0));
  const ready = createQdconvModule({ wasmBinary, print: () => {}, printErr: () => {} })
  .then((module) => {
    module.FS.mkdir(folder);
    module.FS.chdir(folder);
    return module;
  });

  // The run's warnings and hints, as the console prints them on standard
  // error: one per line, each starting with "Warning: " or "Hint: ".
  function showNotes(notes) {
    const list = element("notes");
    list.replaceChildren();
    for (const note of notes.split("\n").filter((line) => line !== "")) {
      const item = document.createElement("li");
      item.className = note.startsWith("Warning: ") ? "warning" : "hint";
      item.textContent = note;
      list.append(item);
    }
    list.hidden = list.children.length === 0;
  }

  function show(ok, message, summary, outputName, bytes, notes) {
    const result = element("result");
    result.hidden = false;
    result.classList.toggle("refused", !ok);
    element("outcome").textContent = ok ? "Converted" : "Not converted";
    element("message").textContent = message;
    showNotes(notes || "");
    const [name, questions] = summary ? summary.split("\t") : [];
    element("summary").hidden = !summary;
    element("name").textContent = name || "";
    element("questions").textContent = questions || "";
    if (download) URL.revokeObjectURL(download);
    download = null;
    const link = element("download");
    link.hidden = !ok;
    if (ok) {
      download = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
      link.href = download;
      link.download = outputName;
      link.textContent = "Download " + outputName;
    }
    result.dataset.runs = String(Number(result.dataset.runs) + 1);
  }

  function convert(module, fileName, bytes) {
    const FS = module.FS;
    for (const entry of FS.readdir(folder)) {
      if (entry !== "." && entry !== "..") FS.unlink(entry);
    }
    const inputName = fileName.replace(/[\\/]/g, "_") || "question file";
    const toQuestionFile = /\.pdb$/i.test(inputName);
    FS.writeFile(inputName, bytes);
    const ok = module.ccall(toQuestionFile ? "RecoverForPage" : "ConvertForPage",
                            "number", ["string"], [inputName]) === 1;
    const message = module.ccall("PageMessage", "string", [], []);
    const notes = module.ccall("PageNotes", "string", [], []);
    const outputName = module.ccall("PageOutputPath", "string", ["string", "number"],
                                    [inputName, toQuestionFile ? 0 : 1]);
    const database = toQuestionFile ? inputName : outputName;
    const summary = ok ? module.ccall("PageDatabaseSummary", "string", ["string"], [database]) : "";
    show(ok, message, summary, outputName, ok ? FS.readFile(outputName) : null, notes);
  }

  function take(file) {
    if (!file) return;
    Promise.all([ready, file.arrayBuffer()])
      .then(([module, buffer]) => convert(module, file.name, new Uint8Array(buffer)))
      .catch((error) => show(false, "The page could not read the file: " + error, "", "", null));
  }

  const input = element("file");
  input.addEventListener("change", () => {
    take(input.files[0]);
    input.value = "";
  });
  const drop = element("drop");
  for (const type of ["dragenter", "dragover"]) {
    drop.addEventListener(type, (event) => {
      event.preventDefault();
      drop.classList.add("over");
    });
  }
  for (const type of ["dragleave", "drop"]) {
    drop.addEventListener(type, () => drop.classList.remove("over"));
  }
  drop.addEventListener("drop", (event) => {
    event.preventDefault();
    take(event.dataTransfer.files[0]);
  });
})();
