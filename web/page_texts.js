"use strict";
// Every text the page shows, in each language it speaks: the languages whose
// letters the handheld's character set holds. A text may name values in
// braces ({n}, {place}, {name} ...), which the page fills in; a pair of texts
// is the singular and the plural, chosen by {n}; `code` marks a file name or
// a program's word. The findings of a run ("report") are keyed by their kind
// as the module names it; a kind without a text here is shown in the
// console's English. Every language holds the same keys as English.
const pageTexts = {};

pageTexts.en = {
  languageName: "English",
  title: "qdconv: question files to Quendle tutor quizzes",
  heading: "Question file to Quendle tutor quiz",
  language: "Language",
  unsupported: "This browser cannot run the converter: it needs WebAssembly, which this " +
    "browser lacks or has turned off. Open this page in a current Firefox, Chrome, Edge or " +
    "Safari (any version since 2018), or use the `qdconv` program.",
  cannotRun: "This browser cannot run the converter.",
  intro: "Write or paste your questions below, or choose or drop question files (`.txt`), " +
    "tables of questions and answers from a spreadsheet or a flashcard program (`.csv`, " +
    "`.tsv`), or quizzes made for the handheld (`.pdb`) to get their questions back. You see " +
    "every question and answer before you download the quiz for the Quendle tutor " +
    "application on the handheld. Your files stay on this computer: the page converts them " +
    "itself, with no connection to anywhere.",
  dropLabel: "Question files, tables or quizzes",
  dropHint: "or drop them anywhere on this page",
  encodingLabel: "Encoding of files that are not UTF-8",
  encodingAutomatic: "Found out from their words",
  readingIn: "“{word}” in {encoding}",
  codePages: {
    western: "Western",
    central: "Central European",
    cyrillic: "Cyrillic",
    greek: "Greek",
    turkish: "Turkish",
    baltic: "Baltic",
    unitedStates: "United States",
  },
  filesHeading: "Files",
  editorHeading: "Your questions",
  textLabel: "Question file",
  placeholder: "Line 1: the name of the quiz. Then a question on one line, its answer on the " +
    "next, and so on. Or paste two columns from a spreadsheet.",
  textHelp: "Converted as you type. Two columns pasted from a spreadsheet become questions " +
    "and answers.",
  lineNumbers: "Line numbers",
  quizName: "Name of the quiz",
  questionCount: "Questions",
  howToSummary: "How to write a question file",
  howTo1: "Line 1 is the name of the quiz (1 to 31 characters). Every further line is a " +
    "question, followed by a line with its answer; at most 200 characters a line and 1500 " +
    "questions. Save it from any editor, in any of its usual ways of saving text. The " +
    "handheld cannot show every character: letters of other alphabets and emoji are " +
    "refused, naming the line. Leave no blank line between the pairs: a blank line becomes " +
    "an empty question or answer and moves every pair after it, so the page warns about " +
    "it. A word processor's document (DOCX, ODT, RTF, PDF) is refused: save it as plain " +
    "text first.",
  howTo2: "A table works too: a `.csv` file saved from a spreadsheet (comma or semicolon), " +
    "or a `.tsv` file of tab-separated lines from a flashcard program, with the question in " +
    "the first column and the answer in the second; the quiz is named after the file.",
  converted: "{title}: converted",
  notConverted: "{title}: not converted",
  yourQuestions: "Your questions",
  edited: "{name} (edited)",
  download: "Download {name}",
  downloadText: "Download {name} (your questions as a text file)",
  showInEditor: "Show in the editor",
  showInEditorFor: "Show in the editor: {name}",
  downloadAll: ["Download the {n} converted file as one .zip",
                "Download the {n} converted files as one .zip"],
  filesStatus: "{n} files: {good} converted, {bad} not converted",
  unreadable: "The page could not read the file.",
  consoleSays: "The converter's message:",
  caption: "Your quiz, question by question",
  captionStopped: "Your quiz, up to where the conversion stopped",
  headRow: "Row",
  headLines: "Lines",
  headQuestion: "Question",
  headAnswer: "Answer",
  goToLine: "Go to line {n} in the editor",
  empty: "(empty)",
  gap: ["… {n} more pair", "… {n} more pairs"],
  showAll: ["Show the {n} hidden pair", "Show the {n} hidden pairs"],
  findingBlankCell: "Empty cell: this row has no {side}",
  findingBlankLine: "Blank line: an empty {side}",
  findingBlankShifts: "Blank line: an empty {side} (every pair after it moves)",
  findingCutByNul: "Holds a hidden zero character: the text after it is lost",
  findingWithoutAnswer: "No answer: the last question has none",
  findingStopped: "The conversion stopped here: see above",
  question: "question",
  answer: "answer",
  tools: "Tools",
  swap: "Swap questions and answers",
  swapped: "Questions and answers swapped. Ctrl+Z (or Cmd+Z) undoes it.",
  print: "Print the answer key",
  answerKey: "Answer key",
  keyCount: ["{n} question", "{n} questions"],
  pasteAsksName: "Type the name of the quiz on line 1.",
  nextHeading: "Next: put the quiz on the handheld",
  nextInstallTool: "With the handheld's desktop install tool: add the `.pdb` file, then " +
    "synchronise the handheld.",
  nextBrowserEmulator: "In the handheld emulator in the browser: press its Install button " +
    "and choose the file, or drop the file on it. A `.zip` of several quizzes installs them " +
    "all at once.",
  nextReimplementation: "In the open re-implementation of the handheld's system: drop the " +
    "file on its window; on Linux you can also put it in its `vfs/app_install` folder.",
  nextOldEmulator: "In the old desktop emulator: drag the file onto its window. It refuses " +
    "quiz names with letters other than A to Z.",
  nextOldEmulatorName: "The name “{name}” has such a letter: for the old emulator, change " +
    "it on line 1.",
  nextAppears: "The quiz then appears in the tutor application under its name.",
  sameName: "{first} and {second} both make a quiz named “{name}”: the handheld keeps only " +
    "one of them. Change the name on line 1 of one of them.",
  // How findings name places, characters and counts.
  line: "line {n}",
  lines: ["line {list}", "lines {list}"],
  cell: "row {n}, column {column}",
  rows: ["row {list}", "rows {list}"],
  inFileName: "the file name, which makes the quiz's name,",
  andMore: "{n} more",
  character: "“{c}”",
  placedCharacter: "{place}: {char}",
  invisibleCharacter: "an invisible character (U+{code})",
  tab: "a tab",
  nameLine: "Line 1, the quiz's name,",
  nameFromFile: "The quiz's name, made from the file name,",
  nameOfDatabase: "The quiz's name",
  storedSpace: "a space",
  storedNoBreakSpace: "a non-breaking space",
  storedHyphen: "“-”",
  storedLeftOut: "nothing: it is left out",
  documents: ["", "an RTF document", "a PDF document",
              "a zip archive (a DOCX or ODT document is one)", "an old Word or Office document",
              "a spreadsheet (XLSX)", "a spreadsheet (ODS)", "a spreadsheet (XLS)"],
  alphabets: ["", "Cyrillic", "Greek"],
  report: {
    "hint-alphabet-unshowable": [
      "The handheld has no {alphabet} letters: {places} holds them. Write the quiz in Latin " +
      "letters; saving the file in another way cannot help.",
      "The handheld has no {alphabet} letters: {places} hold them. Write the quiz in Latin " +
      "letters; saving the file in another way cannot help."],
    "questions-converted": ["{n} question converted.", "{n} questions converted."],
    "questions-written": ["{n} question given back.", "{n} questions given back."],
    "input-too-large": "The file is too large to be a question file.",
    "not-plain-text": "This is not a text file but {document}.",
    "unclosed-quote": "A quotation mark is not closed.",
    "unshowable": "The text holds a character the handheld cannot show.",
    "invalid-text": "Part of the text cannot be read.",
    "database-name-invalid": "The name of the quiz is not valid.",
    "too-many-records": "Too many questions: a quiz holds at most {half}.",
    "line-too-long": "A line is too long.",
    "not-a-database": "This file is not a quiz made for the handheld.",
    "other-application-database": "This file belongs to another application of the handheld.",
    "damaged": "The quiz is damaged.",
    "not-a-line": "A question of this quiz does not fit on one line of a question file.",
    "hint-unshowable": "{place} holds {char}, which the handheld cannot show: replace it.",
    "hint-invalid-text": "{place} holds letters that are not saved the same way as the rest " +
      "of the file: save the file again from your editor and open it here again.",
    "hint-later-unshowable": ["The handheld cannot show this one either: {list}.",
                              "The handheld cannot show these either: {list}."],
    "hint-unclosed-quote": "{place} starts with a quotation mark (\") that is never closed: " +
      "add the closing one, or write it twice (\"\") to keep it as it is.",
    "hint-no-text": "The file is empty: write the name of the quiz on line 1, then a " +
      "question line and an answer line for each question.",
    "hint-name-line-empty": "Line 1 is empty: the name of the quiz goes there, with no " +
      "blank line before it.",
    "hint-name-empty": "{subject} is empty: a name has at least one character.",
    "hint-name-control-character": "{subject} holds {what} at character {n}: remove it.",
    "hint-name-too-long": "{subject} has {n} characters: a name has at most {limit}.",
    "hint-tab-separated-text": "Every line holds a tab, as a spreadsheet saved as “Text " +
      "(Tab delimited)” does: rename the file to end in `.tsv`, or save the spreadsheet as " +
      "CSV, and open that file.",
    "hint-cell-too-long": "{place} has {n} characters: a cell holds at most {limit}.",
    "hint-line-too-long": "{place} has {n} characters: a line holds at most {limit}.",
    "hint-too-many-rows": "The table has {n} rows of questions, a quiz at most {limit}: " +
      "split it into several files.",
    "hint-too-many-lines": "The file has {n} question and answer lines, a quiz at most " +
      "{limit} ({half} questions): split it into several files.",
    "hint-database-given": "This file is already a quiz for the handheld: give it a name " +
      "ending in `.pdb` to get its questions back.",
    "hint-not-plain-text": "Open it in the program that made it, save it as plain text " +
      "(“Save as”, type “Text” or “Plain text (*.txt)”), and open the text file here.",
    "hint-spreadsheet": "Open it in the spreadsheet program, save it as “CSV UTF-8 (Comma " +
      "delimited) (*.csv)” or “CSV”, and open the `.csv` file here.",
    "hint-too-large": "It is larger than any question file: is it the right file?",
    "hint-not-a-database": "Give the page a quiz (`.pdb`) that this page or `qdconv` made.",
    "hint-other-application": "Only the tutor application's quizzes hold questions.",
    "hint-database-damaged": "Copy the quiz again from the handheld, or convert its question " +
      "file again.",
    "hint-too-many-database-records": "The quiz holds {n} questions and answers, a question " +
      "file at most {limit}.",
    "hint-name-starts-as-document": "The quiz's name starts as {document} does, and a " +
      "question file cannot start so.",
    "hint-record-too-long-for-line": "Text {line} of the quiz has {n} characters: a line of " +
      "a question file holds at most {limit}.",
    "hint-not-made-here": "This quiz was not made by `qdconv`: its questions cannot be given " +
      "back as a question file.",
    "warn-read-as-mac-roman": "The lines of the file end as on an old Mac, so it was read " +
      "with the Mac's letters: check the accented letters in the preview.",
    "warn-read-as-encoding": "The file is not UTF-8: from its words it was read as " +
      "{encoding}. If a letter is wrong in the preview, choose the encoding it was saved in " +
      "under “{menu}” above.",
    "encoding-not-certain": "The file's letters can be read in more than one way.",
    "encodings-mixed": "The file mixes two ways of saving letters.",
    "hint-encoding-candidates": "The file is not UTF-8, and its words read as more than one " +
      "code page: {readings}. Choose the one it was saved in under “{menu}” above, or save it " +
      "as UTF-8 from your editor.",
    "hint-encoding-mixed": "Line {n} is UTF-8, but line {line} is not: save the whole file as " +
      "UTF-8 from your editor, and open it here again.",
    "warn-table-name-cut": "The file name “{name}” is longer than a quiz name ({limit} " +
      "characters): the quiz is named “{other}”. Two files whose names differ only after that " +
      "would replace each other on the handheld.",
    "warn-headings-skipped": "Row {line} (“{name}”, “{other}”) was taken as the columns' " +
      "headings: it is not a question.",
    "warn-rows-beyond-b": ["{places} holds text beyond column B: only columns A and B become " +
                           "question and answer.",
                           "{places} hold text beyond column B: only columns A and B become " +
                           "question and answer."],
    "warn-empty-question-cell": "{place} is empty: the answer in that row has no question.",
    "warn-empty-answer-cell": "{place} is empty: the question in that row has no answer.",
    "warn-more-empty-cells": ["And {n} more empty cell.", "And {n} more empty cells."],
    "warn-cell-holds-nul": "{place} holds a hidden zero character: the text after it is lost.",
    "warn-more-cells-hold-nul": ["And {n} more cell with a hidden zero character.",
                                 "And {n} more cells with a hidden zero character."],
    "warn-no-rows": "The table has no rows of questions: the quiz is empty.",
    "warn-name-cut-by-nul": "Line 1 holds a hidden zero character: the quiz's name ends " +
      "before it.",
    "warn-blank-line-at-end": "{place} is blank: it becomes an empty {side} at the end of " +
      "the quiz (an extra line break at the end of the file?).",
    "warn-blank-answer": "{place} is blank: the question on line {n} has an empty answer.",
    "warn-blank-line-shifts": "{place} is blank: it becomes an empty {side}, and every " +
      "question and answer after it moves down one line.",
    "warn-more-blank-lines": ["And {n} more blank line.", "And {n} more blank lines."],
    "warn-line-holds-nul": "{place} holds a hidden zero character: the rest of that line is " +
      "lost.",
    "warn-more-lines-hold-nul": ["And {n} more line with a hidden zero character.",
                                 "And {n} more lines with a hidden zero character."],
    "warn-no-question-lines": "There is no question after the name: the quiz is empty.",
    "warn-odd-line-count": "The last question (line {line}) has no answer.",
    "warn-repeated-question": "{places} hold the same question.",
    "warn-repeated-question-other-answers": "{places} hold the same question, with " +
      "different answers.",
    "warn-more-repeated-questions": ["And {n} more repeated question.",
                                     "And {n} more repeated questions."],
    "warn-handheld-form": ["{places} holds {char}, which the handheld lacks: it is stored as " +
                           "{stored}.",
                           "{places} hold {char}, which the handheld lacks: it is stored as " +
                           "{stored}."],
    "warn-byte-without-letter": ["{places} holds {char}, for which the handheld has no " +
                                 "letter: it shows as nothing or as a wrong sign.",
                                 "{places} hold {char}, for which the handheld has no " +
                                 "letter: it shows as nothing or as a wrong sign."],
    "warn-ansi-question-file": "The quiz holds “Ž” or “ž”, which the handheld has no " +
      "letter for: its question file is saved in the older Windows way (ANSI) so that they " +
      "come back.",
  },
};

pageTexts.fr = {
  languageName: "Français",
  title: "qdconv : fichiers de questions en quiz pour le tuteur Quendle",
  heading: "Du fichier de questions au quiz du tuteur Quendle",
  language: "Langue",
  unsupported: "Ce navigateur ne peut pas faire tourner le convertisseur : il lui faut " +
    "WebAssembly, absent ou désactivé ici. Ouvrez cette page dans un Firefox, Chrome, Edge " +
    "ou Safari récent (toute version depuis 2018), ou utilisez le programme `qdconv`.",
  cannotRun: "Ce navigateur ne peut pas faire tourner le convertisseur.",
  intro: "Écrivez ou collez vos questions ci-dessous, ou choisissez ou déposez des fichiers " +
    "de questions (`.txt`), des tableaux de questions et réponses venant d'un tableur ou " +
    "d'un programme de cartes mémoire (`.csv`, `.tsv`), ou des quiz déjà faits pour " +
    "l'appareil (`.pdb`) pour en retrouver les questions. Vous voyez chaque question et " +
    "chaque réponse avant de télécharger le quiz pour l'application de tutorat Quendle de " +
    "l'appareil. Vos fichiers restent sur cet ordinateur : la page les convertit elle-même, " +
    "sans aucune connexion.",
  dropLabel: "Fichiers de questions, tableaux ou quiz",
  dropHint: "ou déposez-les n'importe où sur cette page",
  encodingLabel: "Encodage des fichiers qui ne sont pas en UTF-8",
  encodingAutomatic: "Déduit de leurs mots",
  readingIn: "« {word} » en {encoding}",
  codePages: {
    western: "Occidental",
    central: "Europe centrale",
    cyrillic: "Cyrillique",
    greek: "Grec",
    turkish: "Turc",
    baltic: "Balte",
    unitedStates: "États-Unis",
  },
  filesHeading: "Fichiers",
  editorHeading: "Vos questions",
  textLabel: "Fichier de questions",
  placeholder: "Ligne 1 : le nom du quiz. Puis une question sur une ligne, sa réponse sur la " +
    "suivante, et ainsi de suite. Ou collez deux colonnes d'un tableur.",
  textHelp: "Converti pendant que vous tapez. Deux colonnes collées depuis un tableur " +
    "deviennent questions et réponses.",
  lineNumbers: "Numéros de ligne",
  quizName: "Nom du quiz",
  questionCount: "Questions",
  howToSummary: "Comment écrire un fichier de questions",
  howTo1: "La ligne 1 est le nom du quiz (de 1 à 31 caractères). Chaque ligne suivante est " +
    "une question, suivie d'une ligne avec sa réponse ; au plus 200 caractères par ligne et " +
    "1500 questions. Enregistrez-le depuis n'importe quel éditeur, de l'une de ses manières " +
    "habituelles d'enregistrer du texte. L'appareil ne peut pas afficher tous les " +
    "caractères : les lettres d'autres alphabets et les émojis sont refusés, avec le numéro " +
    "de la ligne. Ne laissez pas de ligne vide entre les paires : une ligne vide devient une " +
    "question ou une réponse vide et décale toutes les paires qui suivent ; la page vous en " +
    "avertit. Un document de traitement de texte (DOCX, ODT, RTF, PDF) est refusé : " +
    "enregistrez-le d'abord en texte brut.",
  howTo2: "Un tableau convient aussi : un fichier `.csv` enregistré depuis un tableur " +
    "(virgule ou point-virgule), ou un fichier `.tsv` de lignes séparées par des " +
    "tabulations venant d'un programme de cartes mémoire, avec la question dans la première " +
    "colonne et la réponse dans la deuxième ; le quiz prend le nom du fichier.",
  converted: "{title} : converti",
  notConverted: "{title} : non converti",
  yourQuestions: "Vos questions",
  edited: "{name} (modifié)",
  download: "Télécharger {name}",
  downloadText: "Télécharger {name} (vos questions en fichier texte)",
  showInEditor: "Afficher dans l'éditeur",
  showInEditorFor: "Afficher dans l'éditeur : {name}",
  downloadAll: ["Télécharger le fichier converti en un seul .zip",
                "Télécharger les {n} fichiers convertis en un seul .zip"],
  filesStatus: "{n} fichiers : {good} convertis, {bad} non convertis",
  unreadable: "La page n'a pas pu lire le fichier.",
  consoleSays: "Message du convertisseur :",
  caption: "Votre quiz, question par question",
  captionStopped: "Votre quiz, jusqu'à l'endroit où la conversion s'est arrêtée",
  headRow: "Ligne",
  headLines: "Lignes",
  headQuestion: "Question",
  headAnswer: "Réponse",
  goToLine: "Aller à la ligne {n} dans l'éditeur",
  empty: "(vide)",
  gap: ["… encore {n} paire", "… encore {n} paires"],
  showAll: ["Afficher la paire masquée", "Afficher les {n} paires masquées"],
  findingBlankCell: "Cellule vide : cette ligne n'a pas de {side}",
  findingBlankLine: "Ligne vide : une {side} vide",
  findingBlankShifts: "Ligne vide : une {side} vide (toutes les paires suivantes sont décalées)",
  findingCutByNul: "Contient un caractère zéro caché : le texte qui le suit est perdu",
  findingWithoutAnswer: "Pas de réponse : la dernière question n'en a pas",
  findingStopped: "La conversion s'est arrêtée ici : voir plus haut",
  question: "question",
  answer: "réponse",
  tools: "Outils",
  swap: "Inverser questions et réponses",
  swapped: "Questions et réponses inversées. Ctrl+Z (ou Cmd+Z) annule.",
  print: "Imprimer le corrigé",
  answerKey: "Corrigé",
  keyCount: ["{n} question", "{n} questions"],
  pasteAsksName: "Tapez le nom du quiz sur la ligne 1.",
  nextHeading: "Ensuite : mettre le quiz sur l'appareil",
  nextInstallTool: "Avec l'outil d'installation de l'appareil sur l'ordinateur : ajoutez le " +
    "fichier `.pdb`, puis synchronisez l'appareil.",
  nextBrowserEmulator: "Dans l'émulateur de l'appareil, dans le navigateur : appuyez sur son " +
    "bouton Install et choisissez le fichier, ou déposez le fichier dessus. Un `.zip` de " +
    "plusieurs quiz les installe tous d'un coup.",
  nextReimplementation: "Dans la réimplémentation libre du système de l'appareil : déposez " +
    "le fichier sur sa fenêtre ; sous Linux, vous pouvez aussi le mettre dans son dossier " +
    "`vfs/app_install`.",
  nextOldEmulator: "Dans l'ancien émulateur pour ordinateur : faites glisser le fichier sur " +
    "sa fenêtre. Il refuse les noms de quiz qui ont d'autres lettres que A à Z.",
  nextOldEmulatorName: "Le nom « {name} » a une telle lettre : pour l'ancien émulateur, " +
    "changez-le sur la ligne 1.",
  nextAppears: "Le quiz apparaît alors sous son nom dans l'application de tutorat.",
  sameName: "{first} et {second} donnent tous deux un quiz nommé « {name} » : l'appareil " +
    "n'en garde qu'un. Changez le nom sur la ligne 1 de l'un des deux.",
  line: "la ligne {n}",
  lines: ["la ligne {list}", "les lignes {list}"],
  cell: "la cellule de la ligne {n}, colonne {column}",
  rows: ["la ligne {list}", "les lignes {list}"],
  inFileName: "le nom du fichier, qui donne le nom du quiz,",
  andMore: "{n} autres",
  character: "« {c} »",
  placedCharacter: "{place} : {char}",
  invisibleCharacter: "un caractère invisible (U+{code})",
  tab: "une tabulation",
  nameLine: "La ligne 1, le nom du quiz,",
  nameFromFile: "Le nom du quiz, tiré du nom du fichier,",
  nameOfDatabase: "Le nom du quiz",
  storedSpace: "une espace",
  storedNoBreakSpace: "une espace insécable",
  storedHyphen: "« - »",
  storedLeftOut: "rien : il est omis",
  documents: ["", "un document RTF", "un document PDF",
              "une archive zip (un document DOCX ou ODT en est une)",
              "un ancien document Word ou Office", "un classeur de tableur (XLSX)",
              "un classeur de tableur (ODS)", "un classeur de tableur (XLS)"],
  alphabets: ["", "cyrilliques", "grecques"],
  report: {
    "hint-alphabet-unshowable": [
      "L'appareil n'a pas de lettres {alphabet} : {places} en contient. Écrivez le quiz en " +
      "lettres latines ; l'enregistrer autrement n'y changerait rien.",
      "L'appareil n'a pas de lettres {alphabet} : {places} en contiennent. Écrivez le quiz en " +
      "lettres latines ; l'enregistrer autrement n'y changerait rien."],
    "questions-converted": ["{n} question convertie.", "{n} questions converties."],
    "questions-written": ["{n} question retrouvée.", "{n} questions retrouvées."],
    "input-too-large": "Le fichier est trop gros pour être un fichier de questions.",
    "not-plain-text": "Ce n'est pas un fichier texte mais {document}.",
    "unclosed-quote": "Un guillemet n'est pas fermé.",
    "unshowable": "Le texte contient un caractère que l'appareil ne peut pas afficher.",
    "invalid-text": "Une partie du texte est illisible.",
    "database-name-invalid": "Le nom du quiz n'est pas valable.",
    "too-many-records": "Trop de questions : un quiz en contient au plus {half}.",
    "line-too-long": "Une ligne est trop longue.",
    "not-a-database": "Ce fichier n'est pas un quiz fait pour l'appareil.",
    "other-application-database": "Ce fichier appartient à une autre application de " +
      "l'appareil.",
    "damaged": "Le quiz est endommagé.",
    "not-a-line": "Une question de ce quiz ne tient pas sur une ligne d'un fichier de " +
      "questions.",
    "hint-unshowable": "{place} contient {char}, que l'appareil ne peut pas afficher : " +
      "remplacez-le.",
    "hint-invalid-text": "{place} contient des lettres enregistrées autrement que le reste du " +
      "fichier : enregistrez à nouveau le fichier depuis votre éditeur et rouvrez-le ici.",
    "hint-later-unshowable": ["L'appareil ne peut pas afficher celui-ci non plus : {list}.",
                              "L'appareil ne peut pas afficher ceux-ci non plus : {list}."],
    "hint-unclosed-quote": "{place} commence par un guillemet (\") qui n'est jamais fermé : " +
      "ajoutez le guillemet fermant, ou doublez-le (\"\") pour le garder tel quel.",
    "hint-no-text": "Le fichier est vide : écrivez le nom du quiz sur la ligne 1, puis une " +
      "ligne de question et une ligne de réponse pour chaque question.",
    "hint-name-line-empty": "La ligne 1 est vide : le nom du quiz va là, sans ligne vide " +
      "avant.",
    "hint-name-empty": "{subject} est vide : un nom a au moins un caractère.",
    "hint-name-control-character": "{subject} contient {what} au caractère {n} : " +
      "supprimez-le.",
    "hint-name-too-long": "{subject} a {n} caractères : un nom en a au plus {limit}.",
    "hint-tab-separated-text": "Chaque ligne contient une tabulation, comme un tableur " +
      "enregistré en « Texte (séparateur : tabulation) » : renommez le fichier pour qu'il " +
      "finisse par `.tsv`, ou enregistrez le tableur en CSV, et ouvrez ce fichier.",
    "hint-cell-too-long": "{place} a {n} caractères : une cellule en contient au plus {limit}.",
    "hint-line-too-long": "{place} a {n} caractères : une ligne en contient au plus {limit}.",
    "hint-too-many-rows": "Le tableau a {n} lignes de questions, un quiz au plus {limit} : " +
      "répartissez-les dans plusieurs fichiers.",
    "hint-too-many-lines": "Le fichier a {n} lignes de questions et de réponses, un quiz au " +
      "plus {limit} ({half} questions) : répartissez-les dans plusieurs fichiers.",
    "hint-database-given": "Ce fichier est déjà un quiz pour l'appareil : donnez-lui un nom " +
      "qui finit par `.pdb` pour en retrouver les questions.",
    "hint-not-plain-text": "Ouvrez-le dans le programme qui l'a fait, enregistrez-le en texte " +
      "brut (« Enregistrer sous », type « Texte » ou « Texte brut (*.txt) »), et ouvrez ici " +
      "le fichier texte.",
    "hint-spreadsheet": "Ouvrez-le dans le tableur, enregistrez-le en « CSV UTF-8 (délimité " +
      "par des virgules) (*.csv) » ou « CSV », et ouvrez ici le fichier `.csv`.",
    "hint-too-large": "Il est plus gros que n'importe quel fichier de questions : est-ce le " +
      "bon fichier ?",
    "hint-not-a-database": "Donnez à la page un quiz (`.pdb`) fait par cette page ou par " +
      "`qdconv`.",
    "hint-other-application": "Seuls les quiz de l'application de tutorat contiennent des " +
      "questions.",
    "hint-database-damaged": "Copiez à nouveau le quiz depuis l'appareil, ou convertissez à " +
      "nouveau son fichier de questions.",
    "hint-too-many-database-records": "Le quiz contient {n} questions et réponses, un fichier " +
      "de questions au plus {limit}.",
    "hint-name-starts-as-document": "Le nom du quiz commence comme {document}, et un fichier " +
      "de questions ne peut pas commencer ainsi.",
    "hint-record-too-long-for-line": "Le texte {line} du quiz a {n} caractères : une ligne " +
      "d'un fichier de questions en contient au plus {limit}.",
    "hint-not-made-here": "Ce quiz n'a pas été fait par `qdconv` : ses questions ne peuvent " +
      "pas être rendues en fichier de questions.",
    "warn-read-as-mac-roman": "Les lignes du fichier finissent comme sur un ancien Mac ; il " +
      "a donc été lu avec les lettres du Mac : vérifiez les lettres accentuées dans l'aperçu.",
    "warn-read-as-encoding": "Le fichier n'est pas en UTF-8 : d'après ses mots, il a été lu " +
      "en {encoding}. Si une lettre est fausse dans l'aperçu, choisissez l'encodage dans " +
      "lequel il a été enregistré sous « {menu} » ci-dessus.",
    "encoding-not-certain": "Les lettres du fichier peuvent se lire de plusieurs façons.",
    "encodings-mixed": "Le fichier mélange deux façons d'enregistrer les lettres.",
    "hint-encoding-candidates": "Le fichier n'est pas en UTF-8, et ses mots se lisent dans " +
      "plusieurs pages de codes : {readings}. Choisissez celle dans laquelle il a été " +
      "enregistré sous « {menu} » ci-dessus, ou enregistrez-le en UTF-8 depuis votre éditeur.",
    "hint-encoding-mixed": "La ligne {n} est en UTF-8, mais la ligne {line} ne l'est pas : " +
      "enregistrez tout le fichier en UTF-8 depuis votre éditeur, puis ouvrez-le ici à " +
      "nouveau.",
    "warn-table-name-cut": "Le nom de fichier « {name} » est plus long qu'un nom de quiz " +
      "({limit} caractères) : le quiz s'appelle « {other} ». Deux fichiers dont les noms ne " +
      "diffèrent qu'après se remplaceraient l'un l'autre sur l'appareil.",
    "warn-headings-skipped": "La ligne {line} (« {name} », « {other} ») a été prise pour les " +
      "titres des colonnes : ce n'est pas une question.",
    "warn-rows-beyond-b": ["{places} contient du texte au-delà de la colonne B : seules les " +
                           "colonnes A et B deviennent question et réponse.",
                           "{places} contiennent du texte au-delà de la colonne B : seules " +
                           "les colonnes A et B deviennent question et réponse."],
    "warn-empty-question-cell": "{place} est vide : la réponse de cette ligne n'a pas de " +
      "question.",
    "warn-empty-answer-cell": "{place} est vide : la question de cette ligne n'a pas de " +
      "réponse.",
    "warn-more-empty-cells": ["Et {n} autre cellule vide.", "Et {n} autres cellules vides."],
    "warn-cell-holds-nul": "{place} contient un caractère zéro caché : le texte qui le suit " +
      "est perdu.",
    "warn-more-cells-hold-nul": ["Et {n} autre cellule avec un caractère zéro caché.",
                                 "Et {n} autres cellules avec un caractère zéro caché."],
    "warn-no-rows": "Le tableau n'a pas de ligne de questions : le quiz est vide.",
    "warn-name-cut-by-nul": "La ligne 1 contient un caractère zéro caché : le nom du quiz " +
      "s'arrête avant lui.",
    "warn-blank-line-at-end": "{place} est vide : elle devient une {side} vide à la fin du " +
      "quiz (un retour à la ligne de trop à la fin du fichier ?).",
    "warn-blank-answer": "{place} est vide : la question de la ligne {n} a une réponse vide.",
    "warn-blank-line-shifts": "{place} est vide : elle devient une {side} vide, et toutes les " +
      "questions et réponses qui suivent sont décalées d'une ligne.",
    "warn-more-blank-lines": ["Et {n} autre ligne vide.", "Et {n} autres lignes vides."],
    "warn-line-holds-nul": "{place} contient un caractère zéro caché : la suite de cette " +
      "ligne est perdue.",
    "warn-more-lines-hold-nul": ["Et {n} autre ligne avec un caractère zéro caché.",
                                 "Et {n} autres lignes avec un caractère zéro caché."],
    "warn-no-question-lines": "Il n'y a aucune question après le nom : le quiz est vide.",
    "warn-odd-line-count": "La dernière question (ligne {line}) n'a pas de réponse.",
    "warn-repeated-question": "{places} contiennent la même question.",
    "warn-repeated-question-other-answers": "{places} contiennent la même question, avec des " +
      "réponses différentes.",
    "warn-more-repeated-questions": ["Et {n} autre question répétée.",
                                     "Et {n} autres questions répétées."],
    "warn-handheld-form": ["{places} contient {char}, que l'appareil n'a pas : il est " +
                           "enregistré comme {stored}.",
                           "{places} contiennent {char}, que l'appareil n'a pas : il est " +
                           "enregistré comme {stored}."],
    "warn-byte-without-letter": ["{places} contient {char}, pour lequel l'appareil n'a pas de " +
                                 "lettre : il s'affiche comme rien ou comme un mauvais signe.",
                                 "{places} contiennent {char}, pour lequel l'appareil n'a pas " +
                                 "de lettre : il s'affiche comme rien ou comme un mauvais " +
                                 "signe."],
    "warn-ansi-question-file": "Le quiz contient « Ž » ou « ž », que l'appareil ne sait pas " +
      "afficher : son fichier de questions est enregistré à l'ancienne manière de Windows " +
      "(ANSI) pour qu'ils reviennent.",
  },
};

pageTexts.de = {
  languageName: "Deutsch",
  title: "qdconv: Fragendateien zu Quizzen für den Quendle-Tutor",
  heading: "Von der Fragendatei zum Quiz für den Quendle-Tutor",
  language: "Sprache",
  unsupported: "Dieser Browser kann den Konverter nicht ausführen: Er braucht WebAssembly, " +
    "das hier fehlt oder abgeschaltet ist. Öffnen Sie diese Seite in einem aktuellen " +
    "Firefox, Chrome, Edge oder Safari (jede Version seit 2018), oder nehmen Sie das " +
    "Programm `qdconv`.",
  cannotRun: "Dieser Browser kann den Konverter nicht ausführen.",
  intro: "Schreiben oder fügen Sie Ihre Fragen unten ein, oder wählen Sie Fragendateien " +
    "(`.txt`), Tabellen mit Fragen und Antworten aus einer Tabellenkalkulation oder einem " +
    "Karteikartenprogramm (`.csv`, `.tsv`) oder schon fertige Quizze für das Gerät (`.pdb`), " +
    "um deren Fragen zurückzubekommen, oder ziehen Sie sie hierher. Sie sehen jede Frage und " +
    "jede Antwort, bevor Sie das Quiz für die Tutor-Anwendung Quendle auf dem Gerät " +
    "herunterladen. Ihre Dateien bleiben auf diesem Computer: Die Seite wandelt sie selbst " +
    "um, ohne jede Verbindung nach außen.",
  dropLabel: "Fragendateien, Tabellen oder Quizze",
  dropHint: "oder ziehen Sie sie irgendwo auf diese Seite",
  encodingLabel: "Kodierung von Dateien, die nicht UTF-8 sind",
  encodingAutomatic: "Aus ihren Wörtern erkannt",
  readingIn: "„{word}“ in {encoding}",
  codePages: {
    western: "Westeuropäisch",
    central: "Mitteleuropäisch",
    cyrillic: "Kyrillisch",
    greek: "Griechisch",
    turkish: "Türkisch",
    baltic: "Baltisch",
    unitedStates: "USA",
  },
  filesHeading: "Dateien",
  editorHeading: "Ihre Fragen",
  textLabel: "Fragendatei",
  placeholder: "Zeile 1: der Name des Quiz. Dann eine Frage in einer Zeile, ihre Antwort in " +
    "der nächsten und so weiter. Oder fügen Sie zwei Spalten aus einer Tabelle ein.",
  textHelp: "Wird beim Tippen umgewandelt. Zwei aus einer Tabelle eingefügte Spalten werden " +
    "zu Fragen und Antworten.",
  lineNumbers: "Zeilennummern",
  quizName: "Name des Quiz",
  questionCount: "Fragen",
  howToSummary: "So schreiben Sie eine Fragendatei",
  howTo1: "Zeile 1 ist der Name des Quiz (1 bis 31 Zeichen). Jede weitere Zeile ist eine " +
    "Frage, gefolgt von einer Zeile mit ihrer Antwort; höchstens 200 Zeichen pro Zeile und " +
    "1500 Fragen. Speichern Sie sie aus einem beliebigen Editor, auf eine seiner üblichen " +
    "Arten, Text zu speichern. Das Gerät kann nicht jedes Zeichen anzeigen: Buchstaben " +
    "anderer Alphabete und Emojis werden mit Angabe der Zeile abgelehnt. Lassen Sie keine " +
    "Leerzeile zwischen den Paaren: Eine Leerzeile wird zu einer leeren Frage oder Antwort " +
    "und verschiebt alle folgenden Paare; die Seite warnt davor. Ein Dokument aus einer " +
    "Textverarbeitung (DOCX, ODT, RTF, PDF) wird abgelehnt: Speichern Sie es zuerst als " +
    "reinen Text.",
  howTo2: "Eine Tabelle geht auch: eine `.csv`-Datei aus einer Tabellenkalkulation (Komma " +
    "oder Semikolon) oder eine `.tsv`-Datei mit durch Tabulatoren getrennten Zeilen aus " +
    "einem Karteikartenprogramm, mit der Frage in der ersten Spalte und der Antwort in der " +
    "zweiten; das Quiz bekommt den Namen der Datei.",
  converted: "{title}: umgewandelt",
  notConverted: "{title}: nicht umgewandelt",
  yourQuestions: "Ihre Fragen",
  edited: "{name} (bearbeitet)",
  download: "{name} herunterladen",
  downloadText: "{name} herunterladen (Ihre Fragen als Textdatei)",
  showInEditor: "Im Editor zeigen",
  showInEditorFor: "Im Editor zeigen: {name}",
  downloadAll: ["Die umgewandelte Datei als eine .zip-Datei herunterladen",
                "Alle {n} umgewandelten Dateien als eine .zip-Datei herunterladen"],
  filesStatus: "{n} Dateien: {good} umgewandelt, {bad} nicht umgewandelt",
  unreadable: "Die Seite konnte die Datei nicht lesen.",
  consoleSays: "Meldung des Konverters:",
  caption: "Ihr Quiz, Frage für Frage",
  captionStopped: "Ihr Quiz, bis dorthin, wo die Umwandlung anhielt",
  headRow: "Zeile",
  headLines: "Zeilen",
  headQuestion: "Frage",
  headAnswer: "Antwort",
  goToLine: "Im Editor zu Zeile {n} gehen",
  empty: "(leer)",
  gap: ["… noch {n} Paar", "… noch {n} Paare"],
  showAll: ["Das ausgeblendete Paar zeigen", "Die {n} ausgeblendeten Paare zeigen"],
  findingBlankCell: "Leere Zelle: Diese Zeile hat keine {side}",
  findingBlankLine: "Leerzeile: eine leere {side}",
  findingBlankShifts: "Leerzeile: eine leere {side} (alle folgenden Paare verschieben sich)",
  findingCutByNul: "Enthält ein verstecktes Nullzeichen: Der Text danach geht verloren",
  findingWithoutAnswer: "Keine Antwort: Die letzte Frage hat keine",
  findingStopped: "Hier hielt die Umwandlung an: siehe oben",
  question: "Frage",
  answer: "Antwort",
  tools: "Werkzeuge",
  swap: "Fragen und Antworten tauschen",
  swapped: "Fragen und Antworten getauscht. Strg+Z (oder Cmd+Z) macht es rückgängig.",
  print: "Lösungsblatt drucken",
  answerKey: "Lösungsblatt",
  keyCount: ["{n} Frage", "{n} Fragen"],
  pasteAsksName: "Tippen Sie den Namen des Quiz in Zeile 1.",
  nextHeading: "Danach: das Quiz auf das Gerät bringen",
  nextInstallTool: "Mit dem Installationsprogramm des Geräts auf dem Computer: Fügen Sie die " +
    "`.pdb`-Datei hinzu und synchronisieren Sie dann das Gerät.",
  nextBrowserEmulator: "Im Emulator des Geräts im Browser: Drücken Sie seine Schaltfläche " +
    "Install und wählen Sie die Datei, oder ziehen Sie die Datei darauf. Eine `.zip`-Datei " +
    "mit mehreren Quizzen installiert sie alle auf einmal.",
  nextReimplementation: "In der freien Nachbildung des Systems des Geräts: Ziehen Sie die " +
    "Datei auf sein Fenster; unter Linux können Sie sie auch in seinen Ordner " +
    "`vfs/app_install` legen.",
  nextOldEmulator: "Im alten Emulator für den Computer: Ziehen Sie die Datei auf sein " +
    "Fenster. Er lehnt Quiznamen mit anderen Buchstaben als A bis Z ab.",
  nextOldEmulatorName: "Der Name „{name}“ hat einen solchen Buchstaben: Ändern Sie ihn für " +
    "den alten Emulator in Zeile 1.",
  nextAppears: "Das Quiz erscheint dann unter seinem Namen in der Tutor-Anwendung.",
  sameName: "{first} und {second} ergeben beide ein Quiz namens „{name}“: Das Gerät behält " +
    "nur eines davon. Ändern Sie den Namen in Zeile 1 einer der beiden Dateien.",
  line: "Zeile {n}",
  lines: ["Zeile {list}", "die Zeilen {list}"],
  cell: "die Zelle in Zeile {n}, Spalte {column}",
  rows: ["Zeile {list}", "die Zeilen {list}"],
  inFileName: "der Dateiname, aus dem der Name des Quiz wird,",
  andMore: "{n} weitere",
  character: "„{c}“",
  placedCharacter: "{place}: {char}",
  invisibleCharacter: "ein unsichtbares Zeichen (U+{code})",
  tab: "einen Tabulator",
  nameLine: "Zeile 1, der Name des Quiz,",
  nameFromFile: "Der Name des Quiz, aus dem Dateinamen gebildet,",
  nameOfDatabase: "Der Name des Quiz",
  storedSpace: "ein Leerzeichen",
  storedNoBreakSpace: "ein geschütztes Leerzeichen",
  storedHyphen: "„-“",
  storedLeftOut: "nichts: es wird weggelassen",
  documents: ["", "ein RTF-Dokument", "ein PDF-Dokument",
              "ein Zip-Archiv (ein DOCX- oder ODT-Dokument ist eines)",
              "ein altes Word- oder Office-Dokument", "eine Tabelle (XLSX)",
              "eine Tabelle (ODS)", "eine Tabelle (XLS)"],
  alphabets: ["", "kyrillischen", "griechischen"],
  report: {
    "hint-alphabet-unshowable": [
      "Das Gerät hat keine {alphabet} Buchstaben: {places} enthält sie. Schreiben Sie das " +
      "Quiz in lateinischen Buchstaben; die Datei anders zu speichern hilft nicht.",
      "Das Gerät hat keine {alphabet} Buchstaben: {places} enthalten sie. Schreiben Sie das " +
      "Quiz in lateinischen Buchstaben; die Datei anders zu speichern hilft nicht."],
    "questions-converted": ["{n} Frage umgewandelt.", "{n} Fragen umgewandelt."],
    "questions-written": ["{n} Frage zurückgewonnen.", "{n} Fragen zurückgewonnen."],
    "input-too-large": "Die Datei ist zu groß für eine Fragendatei.",
    "not-plain-text": "Das ist keine Textdatei, sondern {document}.",
    "unclosed-quote": "Ein Anführungszeichen wird nicht geschlossen.",
    "unshowable": "Der Text enthält ein Zeichen, das das Gerät nicht anzeigen kann.",
    "invalid-text": "Ein Teil des Textes ist nicht lesbar.",
    "database-name-invalid": "Der Name des Quiz ist nicht gültig.",
    "too-many-records": "Zu viele Fragen: Ein Quiz hat höchstens {half}.",
    "line-too-long": "Eine Zeile ist zu lang.",
    "not-a-database": "Diese Datei ist kein Quiz für das Gerät.",
    "other-application-database": "Diese Datei gehört zu einer anderen Anwendung des Geräts.",
    "damaged": "Das Quiz ist beschädigt.",
    "not-a-line": "Eine Frage dieses Quiz passt nicht in eine Zeile einer Fragendatei.",
    "hint-unshowable": "{place} enthält {char}, das das Gerät nicht anzeigen kann: Ersetzen " +
      "Sie es.",
    "hint-invalid-text": "{place} enthält Buchstaben, die anders gespeichert sind als der Rest " +
      "der Datei: Speichern Sie die Datei in Ihrem Editor neu und öffnen Sie sie hier erneut.",
    "hint-later-unshowable": ["Auch dieses kann das Gerät nicht anzeigen: {list}.",
                              "Auch diese kann das Gerät nicht anzeigen: {list}."],
    "hint-unclosed-quote": "{place} beginnt mit einem Anführungszeichen (\"), das nie " +
      "geschlossen wird: Fügen Sie das schließende hinzu, oder schreiben Sie es doppelt (\"\"), " +
      "um es so zu behalten.",
    "hint-no-text": "Die Datei ist leer: Schreiben Sie den Namen des Quiz in Zeile 1, dann " +
      "für jede Frage eine Fragezeile und eine Antwortzeile.",
    "hint-name-line-empty": "Zeile 1 ist leer: Dort steht der Name des Quiz, ohne Leerzeile " +
      "davor.",
    "hint-name-empty": "{subject} ist leer: Ein Name hat mindestens ein Zeichen.",
    "hint-name-control-character": "{subject} enthält {what} an Stelle {n}: Entfernen Sie es.",
    "hint-name-too-long": "{subject} hat {n} Zeichen: Ein Name hat höchstens {limit}.",
    "hint-tab-separated-text": "Jede Zeile enthält einen Tabulator, wie bei einer Tabelle, " +
      "die als „Text (Tabstopp-getrennt)“ gespeichert wurde: Benennen Sie die Datei so um, " +
      "dass sie auf `.tsv` endet, oder speichern Sie die Tabelle als CSV, und öffnen Sie " +
      "diese Datei.",
    "hint-cell-too-long": "{place} hat {n} Zeichen: Eine Zelle fasst höchstens {limit}.",
    "hint-line-too-long": "{place} hat {n} Zeichen: Eine Zeile fasst höchstens {limit}.",
    "hint-too-many-rows": "Die Tabelle hat {n} Zeilen mit Fragen, ein Quiz höchstens {limit}: " +
      "Teilen Sie sie auf mehrere Dateien auf.",
    "hint-too-many-lines": "Die Datei hat {n} Frage- und Antwortzeilen, ein Quiz höchstens " +
      "{limit} ({half} Fragen): Teilen Sie sie auf mehrere Dateien auf.",
    "hint-database-given": "Diese Datei ist schon ein Quiz für das Gerät: Geben Sie ihr einen " +
      "Namen, der auf `.pdb` endet, um ihre Fragen zurückzubekommen.",
    "hint-not-plain-text": "Öffnen Sie sie in dem Programm, mit dem sie erstellt wurde, " +
      "speichern Sie sie als reinen Text („Speichern unter“, Dateityp „Text“ oder „Nur Text " +
      "(*.txt)“) und öffnen Sie die Textdatei hier.",
    "hint-spreadsheet": "Öffnen Sie sie in der Tabellenkalkulation, speichern Sie sie als " +
      "„CSV UTF-8 (durch Trennzeichen getrennt) (*.csv)“ oder „CSV“ und öffnen Sie die " +
      "`.csv`-Datei hier.",
    "hint-too-large": "Sie ist größer als jede Fragendatei: Ist es die richtige Datei?",
    "hint-not-a-database": "Geben Sie der Seite ein Quiz (`.pdb`), das diese Seite oder " +
      "`qdconv` erstellt hat.",
    "hint-other-application": "Nur die Quizze der Tutor-Anwendung enthalten Fragen.",
    "hint-database-damaged": "Kopieren Sie das Quiz erneut vom Gerät, oder wandeln Sie seine " +
      "Fragendatei erneut um.",
    "hint-too-many-database-records": "Das Quiz enthält {n} Fragen und Antworten, eine " +
      "Fragendatei höchstens {limit}.",
    "hint-name-starts-as-document": "Der Name des Quiz beginnt wie {document}, und so darf " +
      "eine Fragendatei nicht beginnen.",
    "hint-record-too-long-for-line": "Text {line} des Quiz hat {n} Zeichen: Eine Zeile einer " +
      "Fragendatei fasst höchstens {limit}.",
    "hint-not-made-here": "Dieses Quiz wurde nicht mit `qdconv` erstellt: Seine Fragen lassen " +
      "sich nicht als Fragendatei zurückgewinnen.",
    "warn-read-as-mac-roman": "Die Zeilen der Datei enden wie auf einem alten Mac, deshalb " +
      "wurde sie mit den Buchstaben des Mac gelesen: Prüfen Sie die Umlaute und Akzente in " +
      "der Vorschau.",
    "warn-read-as-encoding": "Die Datei ist nicht UTF-8: Nach ihren Wörtern wurde sie als " +
      "{encoding} gelesen. Ist in der Vorschau ein Buchstabe falsch, wählen Sie oben unter " +
      "„{menu}“ die Kodierung, in der sie gespeichert wurde.",
    "encoding-not-certain": "Die Buchstaben der Datei lassen sich auf mehr als eine Weise " +
      "lesen.",
    "encodings-mixed": "Die Datei mischt zwei Arten, Buchstaben zu speichern.",
    "hint-encoding-candidates": "Die Datei ist nicht UTF-8, und ihre Wörter lassen sich in " +
      "mehr als einer Codepage lesen: {readings}. Wählen Sie oben unter „{menu}“ die, in der " +
      "sie gespeichert wurde, oder speichern Sie sie in Ihrem Editor als UTF-8.",
    "hint-encoding-mixed": "Zeile {n} ist UTF-8, Zeile {line} aber nicht: Speichern Sie die " +
      "ganze Datei in Ihrem Editor als UTF-8 und öffnen Sie sie hier erneut.",
    "warn-table-name-cut": "Der Dateiname „{name}“ ist länger als ein Quizname ({limit} " +
      "Zeichen): Das Quiz heißt „{other}“. Zwei Dateien, deren Namen sich erst danach " +
      "unterscheiden, würden sich auf dem Gerät gegenseitig ersetzen.",
    "warn-headings-skipped": "Zeile {line} („{name}“, „{other}“) wurde als Spaltenüberschrift " +
      "genommen: Sie ist keine Frage.",
    "warn-rows-beyond-b": ["{places} enthält Text nach Spalte B: Nur die Spalten A und B " +
                           "werden zu Frage und Antwort.",
                           "{places} enthalten Text nach Spalte B: Nur die Spalten A und B " +
                           "werden zu Frage und Antwort."],
    "warn-empty-question-cell": "{place} ist leer: Die Antwort in dieser Zeile hat keine " +
      "Frage.",
    "warn-empty-answer-cell": "{place} ist leer: Die Frage in dieser Zeile hat keine Antwort.",
    "warn-more-empty-cells": ["Und {n} weitere leere Zelle.", "Und {n} weitere leere Zellen."],
    "warn-cell-holds-nul": "{place} enthält ein verstecktes Nullzeichen: Der Text danach geht " +
      "verloren.",
    "warn-more-cells-hold-nul": ["Und {n} weitere Zelle mit einem versteckten Nullzeichen.",
                                 "Und {n} weitere Zellen mit einem versteckten Nullzeichen."],
    "warn-no-rows": "Die Tabelle hat keine Zeilen mit Fragen: Das Quiz ist leer.",
    "warn-name-cut-by-nul": "Zeile 1 enthält ein verstecktes Nullzeichen: Der Name des Quiz " +
      "endet davor.",
    "warn-blank-line-at-end": "{place} ist leer: Sie wird zu einer leeren {side} am Ende des " +
      "Quiz (ein Zeilenumbruch zu viel am Ende der Datei?).",
    "warn-blank-answer": "{place} ist leer: Die Frage in Zeile {n} hat eine leere Antwort.",
    "warn-blank-line-shifts": "{place} ist leer: Sie wird zu einer leeren {side}, und alle " +
      "Fragen und Antworten danach rutschen um eine Zeile.",
    "warn-more-blank-lines": ["Und {n} weitere Leerzeile.", "Und {n} weitere Leerzeilen."],
    "warn-line-holds-nul": "{place} enthält ein verstecktes Nullzeichen: Der Rest dieser " +
      "Zeile geht verloren.",
    "warn-more-lines-hold-nul": ["Und {n} weitere Zeile mit einem versteckten Nullzeichen.",
                                 "Und {n} weitere Zeilen mit einem versteckten Nullzeichen."],
    "warn-no-question-lines": "Nach dem Namen steht keine Frage: Das Quiz ist leer.",
    "warn-odd-line-count": "Die letzte Frage (Zeile {line}) hat keine Antwort.",
    "warn-repeated-question": "{places} enthalten dieselbe Frage.",
    "warn-repeated-question-other-answers": "{places} enthalten dieselbe Frage, mit " +
      "verschiedenen Antworten.",
    "warn-more-repeated-questions": ["Und {n} weitere wiederholte Frage.",
                                     "Und {n} weitere wiederholte Fragen."],
    "warn-handheld-form": ["{places} enthält {char}, das dem Gerät fehlt: Gespeichert wird " +
                           "{stored}.",
                           "{places} enthalten {char}, das dem Gerät fehlt: Gespeichert wird " +
                           "{stored}."],
    "warn-byte-without-letter": ["{places} enthält {char}, für das das Gerät keinen " +
                                 "Buchstaben hat: Es erscheint als nichts oder als falsches " +
                                 "Zeichen.",
                                 "{places} enthalten {char}, für das das Gerät keinen " +
                                 "Buchstaben hat: Es erscheint als nichts oder als falsches " +
                                 "Zeichen."],
    "warn-ansi-question-file": "Das Quiz enthält „Ž“ oder „ž“, die das Gerät nicht anzeigen " +
      "kann: Seine Fragendatei wird in der älteren Windows-Art (ANSI) gespeichert, damit sie " +
      "erhalten bleiben.",
  },
};

pageTexts.es = {
  languageName: "Español",
  title: "qdconv: archivos de preguntas a cuestionarios del tutor Quendle",
  heading: "Del archivo de preguntas al cuestionario del tutor Quendle",
  language: "Idioma",
  unsupported: "Este navegador no puede ejecutar el conversor: necesita WebAssembly, que " +
    "falta o está desactivado aquí. Abra esta página en un Firefox, Chrome, Edge o Safari " +
    "actual (cualquier versión desde 2018), o use el programa `qdconv`.",
  cannotRun: "Este navegador no puede ejecutar el conversor.",
  intro: "Escriba o pegue sus preguntas abajo, o elija o suelte archivos de preguntas " +
    "(`.txt`), tablas de preguntas y respuestas de una hoja de cálculo o de un programa de " +
    "tarjetas (`.csv`, `.tsv`), o cuestionarios ya hechos para el dispositivo (`.pdb`) para " +
    "recuperar sus preguntas. Verá cada pregunta y cada respuesta antes de descargar el " +
    "cuestionario para la aplicación de tutoría Quendle del dispositivo. Sus archivos se " +
    "quedan en este ordenador: la página los convierte ella misma, sin conectarse a ningún " +
    "sitio.",
  dropLabel: "Archivos de preguntas, tablas o cuestionarios",
  dropHint: "o suéltelos en cualquier lugar de esta página",
  encodingLabel: "Codificación de los archivos que no son UTF-8",
  encodingAutomatic: "Deducida de sus palabras",
  readingIn: "«{word}» en {encoding}",
  codePages: {
    western: "Occidental",
    central: "Centroeuropeo",
    cyrillic: "Cirílico",
    greek: "Griego",
    turkish: "Turco",
    baltic: "Báltico",
    unitedStates: "Estados Unidos",
  },
  filesHeading: "Archivos",
  editorHeading: "Sus preguntas",
  textLabel: "Archivo de preguntas",
  placeholder: "Línea 1: el nombre del cuestionario. Después, una pregunta en una línea, su " +
    "respuesta en la siguiente, y así sucesivamente. O pegue dos columnas de una hoja de " +
    "cálculo.",
  textHelp: "Se convierte mientras escribe. Dos columnas pegadas de una hoja de cálculo se " +
    "convierten en preguntas y respuestas.",
  lineNumbers: "Números de línea",
  quizName: "Nombre del cuestionario",
  questionCount: "Preguntas",
  howToSummary: "Cómo escribir un archivo de preguntas",
  howTo1: "La línea 1 es el nombre del cuestionario (de 1 a 31 caracteres). Cada línea " +
    "siguiente es una pregunta, seguida de una línea con su respuesta; como mucho 200 " +
    "caracteres por línea y 1500 preguntas. Guárdelo desde cualquier editor, de cualquiera " +
    "de sus formas habituales de guardar texto. El dispositivo no puede mostrar todos los " +
    "caracteres: las letras de otros alfabetos y los emojis se rechazan, indicando la " +
    "línea. No deje líneas en blanco entre los pares: una línea en blanco se convierte en " +
    "una pregunta o respuesta vacía y desplaza todos los pares siguientes; la página le " +
    "avisa. Un documento de procesador de textos (DOCX, ODT, RTF, PDF) se rechaza: " +
    "guárdelo antes como texto sin formato.",
  howTo2: "También sirve una tabla: un archivo `.csv` guardado desde una hoja de cálculo " +
    "(coma o punto y coma), o un archivo `.tsv` de líneas separadas por tabulaciones de un " +
    "programa de tarjetas, con la pregunta en la primera columna y la respuesta en la " +
    "segunda; el cuestionario toma el nombre del archivo.",
  converted: "{title}: convertido",
  notConverted: "{title}: no convertido",
  yourQuestions: "Sus preguntas",
  edited: "{name} (modificado)",
  download: "Descargar {name}",
  downloadText: "Descargar {name} (sus preguntas como archivo de texto)",
  showInEditor: "Mostrar en el editor",
  showInEditorFor: "Mostrar en el editor: {name}",
  downloadAll: ["Descargar el archivo convertido en un solo .zip",
                "Descargar los {n} archivos convertidos en un solo .zip"],
  filesStatus: "{n} archivos: {good} convertidos, {bad} no convertidos",
  unreadable: "La página no pudo leer el archivo.",
  consoleSays: "Mensaje del conversor:",
  caption: "Su cuestionario, pregunta a pregunta",
  captionStopped: "Su cuestionario, hasta donde se detuvo la conversión",
  headRow: "Fila",
  headLines: "Líneas",
  headQuestion: "Pregunta",
  headAnswer: "Respuesta",
  goToLine: "Ir a la línea {n} en el editor",
  empty: "(vacía)",
  gap: ["… {n} par más", "… {n} pares más"],
  showAll: ["Mostrar el par oculto", "Mostrar los {n} pares ocultos"],
  findingBlankCell: "Celda vacía: esta fila no tiene {side}",
  findingBlankLine: "Línea en blanco: una {side} vacía",
  findingBlankShifts: "Línea en blanco: una {side} vacía (todos los pares siguientes se " +
    "desplazan)",
  findingCutByNul: "Contiene un carácter cero oculto: el texto que lo sigue se pierde",
  findingWithoutAnswer: "Sin respuesta: la última pregunta no tiene",
  findingStopped: "La conversión se detuvo aquí: vea arriba",
  question: "pregunta",
  answer: "respuesta",
  tools: "Herramientas",
  swap: "Intercambiar preguntas y respuestas",
  swapped: "Preguntas y respuestas intercambiadas. Ctrl+Z (o Cmd+Z) lo deshace.",
  print: "Imprimir las soluciones",
  answerKey: "Soluciones",
  keyCount: ["{n} pregunta", "{n} preguntas"],
  pasteAsksName: "Escriba el nombre del cuestionario en la línea 1.",
  nextHeading: "Después: pasar el cuestionario al dispositivo",
  nextInstallTool: "Con la herramienta de instalación del dispositivo en el ordenador: " +
    "añada el archivo `.pdb` y sincronice el dispositivo.",
  nextBrowserEmulator: "En el emulador del dispositivo en el navegador: pulse su botón " +
    "Install y elija el archivo, o suelte el archivo sobre él. Un `.zip` con varios " +
    "cuestionarios los instala todos a la vez.",
  nextReimplementation: "En la reimplementación libre del sistema del dispositivo: suelte el " +
    "archivo sobre su ventana; en Linux también puede ponerlo en su carpeta " +
    "`vfs/app_install`.",
  nextOldEmulator: "En el antiguo emulador para ordenador: arrastre el archivo a su ventana. " +
    "Rechaza nombres de cuestionario con letras distintas de la A a la Z.",
  nextOldEmulatorName: "El nombre «{name}» tiene una de esas letras: para el antiguo " +
    "emulador, cámbielo en la línea 1.",
  nextAppears: "El cuestionario aparece entonces con su nombre en la aplicación de tutoría.",
  sameName: "{first} y {second} dan los dos un cuestionario llamado «{name}»: el " +
    "dispositivo solo guarda uno. Cambie el nombre en la línea 1 de uno de ellos.",
  line: "la línea {n}",
  lines: ["la línea {list}", "las líneas {list}"],
  cell: "la celda de la fila {n}, columna {column}",
  rows: ["la fila {list}", "las filas {list}"],
  inFileName: "el nombre del archivo, que da el nombre del cuestionario,",
  andMore: "{n} más",
  character: "«{c}»",
  placedCharacter: "{place}: {char}",
  invisibleCharacter: "un carácter invisible (U+{code})",
  tab: "una tabulación",
  nameLine: "La línea 1, el nombre del cuestionario,",
  nameFromFile: "El nombre del cuestionario, tomado del nombre del archivo,",
  nameOfDatabase: "El nombre del cuestionario",
  storedSpace: "un espacio",
  storedNoBreakSpace: "un espacio de no separación",
  storedHyphen: "«-»",
  storedLeftOut: "nada: se omite",
  documents: ["", "un documento RTF", "un documento PDF",
              "un archivo zip (un documento DOCX u ODT lo es)",
              "un documento antiguo de Word u Office", "una hoja de cálculo (XLSX)",
              "una hoja de cálculo (ODS)", "una hoja de cálculo (XLS)"],
  alphabets: ["", "cirílicas", "griegas"],
  report: {
    "hint-alphabet-unshowable": [
      "El dispositivo no tiene letras {alphabet}: {places} las contiene. Escriba el " +
      "cuestionario en letras latinas; guardar el archivo de otra forma no sirve.",
      "El dispositivo no tiene letras {alphabet}: {places} las contienen. Escriba el " +
      "cuestionario en letras latinas; guardar el archivo de otra forma no sirve."],
    "questions-converted": ["{n} pregunta convertida.", "{n} preguntas convertidas."],
    "questions-written": ["{n} pregunta recuperada.", "{n} preguntas recuperadas."],
    "input-too-large": "El archivo es demasiado grande para ser un archivo de preguntas.",
    "not-plain-text": "No es un archivo de texto sino {document}.",
    "unclosed-quote": "Unas comillas no se cierran.",
    "unshowable": "El texto contiene un carácter que el dispositivo no puede mostrar.",
    "invalid-text": "Una parte del texto no se puede leer.",
    "database-name-invalid": "El nombre del cuestionario no es válido.",
    "too-many-records": "Demasiadas preguntas: un cuestionario tiene como mucho {half}.",
    "line-too-long": "Una línea es demasiado larga.",
    "not-a-database": "Este archivo no es un cuestionario hecho para el dispositivo.",
    "other-application-database": "Este archivo pertenece a otra aplicación del dispositivo.",
    "damaged": "El cuestionario está dañado.",
    "not-a-line": "Una pregunta de este cuestionario no cabe en una línea de un archivo de " +
      "preguntas.",
    "hint-unshowable": "{place} contiene {char}, que el dispositivo no puede mostrar: " +
      "sustitúyalo.",
    "hint-invalid-text": "{place} contiene letras guardadas de otra forma que el resto del " +
      "archivo: vuelva a guardar el archivo desde su editor y ábralo aquí de nuevo.",
    "hint-later-unshowable": ["El dispositivo tampoco puede mostrar este: {list}.",
                              "El dispositivo tampoco puede mostrar estos: {list}."],
    "hint-unclosed-quote": "{place} empieza con unas comillas (\") que nunca se cierran: " +
      "añada las de cierre, o escríbalas dos veces (\"\") para conservarlas tal cual.",
    "hint-no-text": "El archivo está vacío: escriba el nombre del cuestionario en la línea 1 " +
      "y después una línea de pregunta y una de respuesta para cada pregunta.",
    "hint-name-line-empty": "La línea 1 está vacía: ahí va el nombre del cuestionario, sin " +
      "ninguna línea en blanco antes.",
    "hint-name-empty": "{subject} está vacío: un nombre tiene al menos un carácter.",
    "hint-name-control-character": "{subject} contiene {what} en el carácter {n}: quítelo.",
    "hint-name-too-long": "{subject} tiene {n} caracteres: un nombre tiene como mucho {limit}.",
    "hint-tab-separated-text": "Cada línea contiene una tabulación, como una hoja de cálculo " +
      "guardada como «Texto (delimitado por tabulaciones)»: cambie el nombre del archivo " +
      "para que termine en `.tsv`, o guarde la hoja como CSV, y abra ese archivo.",
    "hint-cell-too-long": "{place} tiene {n} caracteres: una celda admite como mucho {limit}.",
    "hint-line-too-long": "{place} tiene {n} caracteres: una línea admite como mucho {limit}.",
    "hint-too-many-rows": "La tabla tiene {n} filas de preguntas, un cuestionario como mucho " +
      "{limit}: repártalas en varios archivos.",
    "hint-too-many-lines": "El archivo tiene {n} líneas de preguntas y respuestas, un " +
      "cuestionario como mucho {limit} ({half} preguntas): repártalas en varios archivos.",
    "hint-database-given": "Este archivo ya es un cuestionario para el dispositivo: dele un " +
      "nombre que termine en `.pdb` para recuperar sus preguntas.",
    "hint-not-plain-text": "Ábralo en el programa con que se hizo, guárdelo como texto sin " +
      "formato («Guardar como», tipo «Texto» o «Texto sin formato (*.txt)») y abra aquí el " +
      "archivo de texto.",
    "hint-spreadsheet": "Ábralo en la hoja de cálculo, guárdelo como «CSV UTF-8 (delimitado " +
      "por comas) (*.csv)» o «CSV» y abra aquí el archivo `.csv`.",
    "hint-too-large": "Es más grande que cualquier archivo de preguntas: ¿es el archivo " +
      "correcto?",
    "hint-not-a-database": "Dé a la página un cuestionario (`.pdb`) hecho con esta página o " +
      "con `qdconv`.",
    "hint-other-application": "Solo los cuestionarios de la aplicación de tutoría contienen " +
      "preguntas.",
    "hint-database-damaged": "Copie de nuevo el cuestionario desde el dispositivo, o vuelva a " +
      "convertir su archivo de preguntas.",
    "hint-too-many-database-records": "El cuestionario contiene {n} preguntas y respuestas, " +
      "un archivo de preguntas como mucho {limit}.",
    "hint-name-starts-as-document": "El nombre del cuestionario empieza como {document}, y un " +
      "archivo de preguntas no puede empezar así.",
    "hint-record-too-long-for-line": "El texto {line} del cuestionario tiene {n} caracteres: " +
      "una línea de un archivo de preguntas admite como mucho {limit}.",
    "hint-not-made-here": "Este cuestionario no lo hizo `qdconv`: sus preguntas no se pueden " +
      "recuperar como archivo de preguntas.",
    "warn-read-as-mac-roman": "Las líneas del archivo terminan como en un Mac antiguo, así " +
      "que se leyó con las letras del Mac: revise las letras acentuadas en la vista previa.",
    "warn-read-as-encoding": "El archivo no es UTF-8: por sus palabras se leyó como " +
      "{encoding}. Si una letra está mal en la vista previa, elija la codificación en que se " +
      "guardó en «{menu}», arriba.",
    "encoding-not-certain": "Las letras del archivo se pueden leer de más de una forma.",
    "encodings-mixed": "El archivo mezcla dos formas de guardar las letras.",
    "hint-encoding-candidates": "El archivo no es UTF-8 y sus palabras se leen en más de una " +
      "página de códigos: {readings}. Elija aquella en la que se guardó en «{menu}», arriba, " +
      "o guárdelo como UTF-8 desde su editor.",
    "hint-encoding-mixed": "La línea {n} es UTF-8, pero la línea {line} no: guarde todo el " +
      "archivo como UTF-8 desde su editor y vuelva a abrirlo aquí.",
    "warn-table-name-cut": "El nombre de archivo «{name}» es más largo que un nombre de " +
      "cuestionario ({limit} caracteres): el cuestionario se llama «{other}». Dos archivos " +
      "cuyos nombres solo difieran después se reemplazarían en el dispositivo.",
    "warn-headings-skipped": "La fila {line} («{name}», «{other}») se tomó como títulos de " +
      "las columnas: no es una pregunta.",
    "warn-rows-beyond-b": ["{places} tiene texto más allá de la columna B: solo las columnas " +
                           "A y B se convierten en pregunta y respuesta.",
                           "{places} tienen texto más allá de la columna B: solo las " +
                           "columnas A y B se convierten en pregunta y respuesta."],
    "warn-empty-question-cell": "{place} está vacía: la respuesta de esa fila no tiene " +
      "pregunta.",
    "warn-empty-answer-cell": "{place} está vacía: la pregunta de esa fila no tiene respuesta.",
    "warn-more-empty-cells": ["Y {n} celda vacía más.", "Y {n} celdas vacías más."],
    "warn-cell-holds-nul": "{place} contiene un carácter cero oculto: el texto que lo sigue " +
      "se pierde.",
    "warn-more-cells-hold-nul": ["Y {n} celda más con un carácter cero oculto.",
                                 "Y {n} celdas más con un carácter cero oculto."],
    "warn-no-rows": "La tabla no tiene filas de preguntas: el cuestionario está vacío.",
    "warn-name-cut-by-nul": "La línea 1 contiene un carácter cero oculto: el nombre del " +
      "cuestionario termina antes de él.",
    "warn-blank-line-at-end": "{place} está en blanco: se convierte en una {side} vacía al " +
      "final del cuestionario (¿un salto de línea de más al final del archivo?).",
    "warn-blank-answer": "{place} está en blanco: la pregunta de la línea {n} tiene una " +
      "respuesta vacía.",
    "warn-blank-line-shifts": "{place} está en blanco: se convierte en una {side} vacía, y " +
      "todas las preguntas y respuestas siguientes bajan una línea.",
    "warn-more-blank-lines": ["Y {n} línea en blanco más.", "Y {n} líneas en blanco más."],
    "warn-line-holds-nul": "{place} contiene un carácter cero oculto: el resto de esa línea " +
      "se pierde.",
    "warn-more-lines-hold-nul": ["Y {n} línea más con un carácter cero oculto.",
                                 "Y {n} líneas más con un carácter cero oculto."],
    "warn-no-question-lines": "No hay ninguna pregunta después del nombre: el cuestionario " +
      "está vacío.",
    "warn-odd-line-count": "La última pregunta (línea {line}) no tiene respuesta.",
    "warn-repeated-question": "{places} contienen la misma pregunta.",
    "warn-repeated-question-other-answers": "{places} contienen la misma pregunta, con " +
      "respuestas distintas.",
    "warn-more-repeated-questions": ["Y {n} pregunta repetida más.",
                                     "Y {n} preguntas repetidas más."],
    "warn-handheld-form": ["{places} contiene {char}, que el dispositivo no tiene: se guarda " +
                           "como {stored}.",
                           "{places} contienen {char}, que el dispositivo no tiene: se guarda " +
                           "como {stored}."],
    "warn-byte-without-letter": ["{places} contiene {char}, para el que el dispositivo no " +
                                 "tiene letra: se ve como nada o como un signo equivocado.",
                                 "{places} contienen {char}, para el que el dispositivo no " +
                                 "tiene letra: se ve como nada o como un signo equivocado."],
    "warn-ansi-question-file": "El cuestionario contiene «Ž» o «ž», que el dispositivo no " +
      "puede mostrar: su archivo de preguntas se guarda a la antigua manera de Windows (ANSI) " +
      "para que se conserven.",
  },
};

pageTexts.it = {
  languageName: "Italiano",
  title: "qdconv: file di domande in quiz per il tutor Quendle",
  heading: "Dal file di domande al quiz del tutor Quendle",
  language: "Lingua",
  unsupported: "Questo browser non può eseguire il convertitore: gli serve WebAssembly, che " +
    "qui manca o è disattivato. Aprite questa pagina in un Firefox, Chrome, Edge o Safari " +
    "recente (qualsiasi versione dal 2018), oppure usate il programma `qdconv`.",
  cannotRun: "Questo browser non può eseguire il convertitore.",
  intro: "Scrivete o incollate qui sotto le vostre domande, oppure scegliete o trascinate " +
    "file di domande (`.txt`), tabelle di domande e risposte da un foglio di calcolo o da un " +
    "programma di flashcard (`.csv`, `.tsv`), o quiz già fatti per il dispositivo (`.pdb`) " +
    "per riaverne le domande. Vedete ogni domanda e ogni risposta prima di scaricare il quiz " +
    "per l'applicazione tutor Quendle del dispositivo. I vostri file restano su questo " +
    "computer: la pagina li converte da sé, senza alcun collegamento.",
  dropLabel: "File di domande, tabelle o quiz",
  dropHint: "oppure trascinateli in un punto qualsiasi della pagina",
  encodingLabel: "Codifica dei file che non sono UTF-8",
  encodingAutomatic: "Dedotta dalle loro parole",
  readingIn: "«{word}» in {encoding}",
  codePages: {
    western: "Occidentale",
    central: "Europa centrale",
    cyrillic: "Cirillico",
    greek: "Greco",
    turkish: "Turco",
    baltic: "Baltico",
    unitedStates: "Stati Uniti",
  },
  filesHeading: "File",
  editorHeading: "Le vostre domande",
  textLabel: "File di domande",
  placeholder: "Riga 1: il nome del quiz. Poi una domanda su una riga, la sua risposta sulla " +
    "successiva, e così via. Oppure incollate due colonne da un foglio di calcolo.",
  textHelp: "Convertito mentre scrivete. Due colonne incollate da un foglio di calcolo " +
    "diventano domande e risposte.",
  lineNumbers: "Numeri di riga",
  quizName: "Nome del quiz",
  questionCount: "Domande",
  howToSummary: "Come scrivere un file di domande",
  howTo1: "La riga 1 è il nome del quiz (da 1 a 31 caratteri). Ogni riga successiva è una " +
    "domanda, seguita da una riga con la sua risposta; al massimo 200 caratteri per riga e " +
    "1500 domande. Salvatelo da qualsiasi editor, in uno dei suoi modi abituali di salvare " +
    "il testo. Il dispositivo non può mostrare ogni carattere: le lettere di altri alfabeti " +
    "e le emoji vengono rifiutate, indicando la riga. Non lasciate righe vuote tra le " +
    "coppie: una riga vuota diventa una domanda o una risposta vuota e sposta tutte le " +
    "coppie successive; la pagina vi avverte. Un documento di videoscrittura (DOCX, ODT, " +
    "RTF, PDF) viene rifiutato: salvatelo prima come testo semplice.",
  howTo2: "Va bene anche una tabella: un file `.csv` salvato da un foglio di calcolo " +
    "(virgola o punto e virgola), o un file `.tsv` di righe separate da tabulazioni da un " +
    "programma di flashcard, con la domanda nella prima colonna e la risposta nella " +
    "seconda; il quiz prende il nome del file.",
  converted: "{title}: convertito",
  notConverted: "{title}: non convertito",
  yourQuestions: "Le vostre domande",
  edited: "{name} (modificato)",
  download: "Scarica {name}",
  downloadText: "Scarica {name} (le vostre domande come file di testo)",
  showInEditor: "Mostra nell'editor",
  showInEditorFor: "Mostra nell'editor: {name}",
  downloadAll: ["Scarica il file convertito in un unico .zip",
                "Scarica i {n} file convertiti in un unico .zip"],
  filesStatus: "{n} file: {good} convertiti, {bad} non convertiti",
  unreadable: "La pagina non è riuscita a leggere il file.",
  consoleSays: "Messaggio del convertitore:",
  caption: "Il vostro quiz, domanda per domanda",
  captionStopped: "Il vostro quiz, fino al punto in cui la conversione si è fermata",
  headRow: "Riga",
  headLines: "Righe",
  headQuestion: "Domanda",
  headAnswer: "Risposta",
  goToLine: "Vai alla riga {n} nell'editor",
  empty: "(vuota)",
  gap: ["… ancora {n} coppia", "… ancora {n} coppie"],
  showAll: ["Mostra la coppia nascosta", "Mostra le {n} coppie nascoste"],
  findingBlankCell: "Cella vuota: questa riga non ha la {side}",
  findingBlankLine: "Riga vuota: una {side} vuota",
  findingBlankShifts: "Riga vuota: una {side} vuota (tutte le coppie successive si spostano)",
  findingCutByNul: "Contiene un carattere zero nascosto: il testo che segue va perso",
  findingWithoutAnswer: "Nessuna risposta: l'ultima domanda non ne ha",
  findingStopped: "La conversione si è fermata qui: vedete sopra",
  question: "domanda",
  answer: "risposta",
  tools: "Strumenti",
  swap: "Scambia domande e risposte",
  swapped: "Domande e risposte scambiate. Ctrl+Z (o Cmd+Z) annulla.",
  print: "Stampa le soluzioni",
  answerKey: "Soluzioni",
  keyCount: ["{n} domanda", "{n} domande"],
  pasteAsksName: "Scrivete il nome del quiz sulla riga 1.",
  nextHeading: "Poi: mettere il quiz sul dispositivo",
  nextInstallTool: "Con lo strumento di installazione del dispositivo sul computer: " +
    "aggiungete il file `.pdb`, poi sincronizzate il dispositivo.",
  nextBrowserEmulator: "Nell'emulatore del dispositivo nel browser: premete il suo pulsante " +
    "Install e scegliete il file, oppure trascinate il file su di esso. Uno `.zip` di più " +
    "quiz li installa tutti insieme.",
  nextReimplementation: "Nella reimplementazione libera del sistema del dispositivo: " +
    "trascinate il file sulla sua finestra; su Linux potete anche metterlo nella sua " +
    "cartella `vfs/app_install`.",
  nextOldEmulator: "Nel vecchio emulatore per computer: trascinate il file sulla sua " +
    "finestra. Rifiuta i nomi di quiz con lettere diverse da A a Z.",
  nextOldEmulatorName: "Il nome «{name}» ha una di queste lettere: per il vecchio " +
    "emulatore, cambiatelo sulla riga 1.",
  nextAppears: "Il quiz compare poi con il suo nome nell'applicazione tutor.",
  sameName: "{first} e {second} danno entrambi un quiz chiamato «{name}»: il dispositivo ne " +
    "tiene solo uno. Cambiate il nome sulla riga 1 di uno dei due.",
  line: "la riga {n}",
  lines: ["la riga {list}", "le righe {list}"],
  cell: "la cella alla riga {n}, colonna {column}",
  rows: ["la riga {list}", "le righe {list}"],
  inFileName: "il nome del file, da cui viene il nome del quiz,",
  andMore: "altre {n}",
  character: "«{c}»",
  placedCharacter: "{place}: {char}",
  invisibleCharacter: "un carattere invisibile (U+{code})",
  tab: "una tabulazione",
  nameLine: "La riga 1, il nome del quiz,",
  nameFromFile: "Il nome del quiz, ricavato dal nome del file,",
  nameOfDatabase: "Il nome del quiz",
  storedSpace: "uno spazio",
  storedNoBreakSpace: "uno spazio unificatore",
  storedHyphen: "«-»",
  storedLeftOut: "niente: viene tralasciato",
  documents: ["", "un documento RTF", "un documento PDF",
              "un archivio zip (un documento DOCX o ODT lo è)",
              "un vecchio documento Word o Office", "un foglio di calcolo (XLSX)",
              "un foglio di calcolo (ODS)", "un foglio di calcolo (XLS)"],
  alphabets: ["", "cirilliche", "greche"],
  report: {
    "hint-alphabet-unshowable": [
      "Il dispositivo non ha lettere {alphabet}: {places} le contiene. Scrivete il quiz in " +
      "lettere latine; salvare il file in un altro modo non serve.",
      "Il dispositivo non ha lettere {alphabet}: {places} le contengono. Scrivete il quiz in " +
      "lettere latine; salvare il file in un altro modo non serve."],
    "questions-converted": ["{n} domanda convertita.", "{n} domande convertite."],
    "questions-written": ["{n} domanda recuperata.", "{n} domande recuperate."],
    "input-too-large": "Il file è troppo grande per essere un file di domande.",
    "not-plain-text": "Non è un file di testo ma {document}.",
    "unclosed-quote": "Delle virgolette non sono chiuse.",
    "unshowable": "Il testo contiene un carattere che il dispositivo non può mostrare.",
    "invalid-text": "Una parte del testo non si può leggere.",
    "database-name-invalid": "Il nome del quiz non è valido.",
    "too-many-records": "Troppe domande: un quiz ne contiene al massimo {half}.",
    "line-too-long": "Una riga è troppo lunga.",
    "not-a-database": "Questo file non è un quiz fatto per il dispositivo.",
    "other-application-database": "Questo file appartiene a un'altra applicazione del " +
      "dispositivo.",
    "damaged": "Il quiz è danneggiato.",
    "not-a-line": "Una domanda di questo quiz non sta su una riga di un file di domande.",
    "hint-unshowable": "{place} contiene {char}, che il dispositivo non può mostrare: " +
      "sostituitelo.",
    "hint-invalid-text": "{place} contiene lettere salvate in modo diverso dal resto del file: " +
      "salvate di nuovo il file dal vostro editor e riapritelo qui.",
    "hint-later-unshowable": ["Il dispositivo non può mostrare neanche questo: {list}.",
                              "Il dispositivo non può mostrare neanche questi: {list}."],
    "hint-unclosed-quote": "{place} comincia con delle virgolette (\") mai chiuse: " +
      "aggiungete quelle di chiusura, o scrivetele due volte (\"\") per tenerle così.",
    "hint-no-text": "Il file è vuoto: scrivete il nome del quiz sulla riga 1, poi una riga di " +
      "domanda e una di risposta per ogni domanda.",
    "hint-name-line-empty": "La riga 1 è vuota: lì va il nome del quiz, senza righe vuote " +
      "prima.",
    "hint-name-empty": "{subject} è vuoto: un nome ha almeno un carattere.",
    "hint-name-control-character": "{subject} contiene {what} al carattere {n}: toglietelo.",
    "hint-name-too-long": "{subject} ha {n} caratteri: un nome ne ha al massimo {limit}.",
    "hint-tab-separated-text": "Ogni riga contiene una tabulazione, come un foglio di calcolo " +
      "salvato come «Testo (delimitato da tabulazione)»: rinominate il file perché finisca " +
      "con `.tsv`, oppure salvate il foglio come CSV, e aprite quel file.",
    "hint-cell-too-long": "{place} ha {n} caratteri: una cella ne contiene al massimo {limit}.",
    "hint-line-too-long": "{place} ha {n} caratteri: una riga ne contiene al massimo {limit}.",
    "hint-too-many-rows": "La tabella ha {n} righe di domande, un quiz al massimo {limit}: " +
      "dividetele in più file.",
    "hint-too-many-lines": "Il file ha {n} righe di domande e risposte, un quiz al massimo " +
      "{limit} ({half} domande): dividetele in più file.",
    "hint-database-given": "Questo file è già un quiz per il dispositivo: dategli un nome che " +
      "finisce con `.pdb` per riaverne le domande.",
    "hint-not-plain-text": "Apritelo nel programma con cui è stato fatto, salvatelo come " +
      "testo semplice («Salva con nome», tipo «Testo» o «Testo normale (*.txt)») e aprite qui " +
      "il file di testo.",
    "hint-spreadsheet": "Apritelo nel foglio di calcolo, salvatelo come «CSV UTF-8 " +
      "(delimitato da virgole) (*.csv)» o «CSV» e aprite qui il file `.csv`.",
    "hint-too-large": "È più grande di qualsiasi file di domande: è il file giusto?",
    "hint-not-a-database": "Date alla pagina un quiz (`.pdb`) fatto da questa pagina o da " +
      "`qdconv`.",
    "hint-other-application": "Solo i quiz dell'applicazione tutor contengono domande.",
    "hint-database-damaged": "Copiate di nuovo il quiz dal dispositivo, o convertite di nuovo " +
      "il suo file di domande.",
    "hint-too-many-database-records": "Il quiz contiene {n} domande e risposte, un file di " +
      "domande al massimo {limit}.",
    "hint-name-starts-as-document": "Il nome del quiz comincia come {document}, e un file di " +
      "domande non può cominciare così.",
    "hint-record-too-long-for-line": "Il testo {line} del quiz ha {n} caratteri: una riga di " +
      "un file di domande ne contiene al massimo {limit}.",
    "hint-not-made-here": "Questo quiz non è stato fatto da `qdconv`: le sue domande non si " +
      "possono riavere come file di domande.",
    "warn-read-as-mac-roman": "Le righe del file finiscono come su un vecchio Mac, quindi è " +
      "stato letto con le lettere del Mac: controllate le lettere accentate nell'anteprima.",
    "warn-read-as-encoding": "Il file non è UTF-8: dalle sue parole è stato letto come " +
      "{encoding}. Se nell'anteprima una lettera è sbagliata, scegliete la codifica in cui è " +
      "stato salvato in «{menu}», qui sopra.",
    "encoding-not-certain": "Le lettere del file si possono leggere in più di un modo.",
    "encodings-mixed": "Il file mescola due modi di salvare le lettere.",
    "hint-encoding-candidates": "Il file non è UTF-8 e le sue parole si leggono in più di una " +
      "tabella codici: {readings}. Scegliete quella in cui è stato salvato in «{menu}», qui " +
      "sopra, oppure salvatelo come UTF-8 dal vostro editor.",
    "hint-encoding-mixed": "La riga {n} è UTF-8, ma la riga {line} no: salvate tutto il file " +
      "come UTF-8 dal vostro editor e riapritelo qui.",
    "warn-table-name-cut": "Il nome del file «{name}» è più lungo di un nome di quiz ({limit} " +
      "caratteri): il quiz si chiama «{other}». Due file i cui nomi differiscono solo dopo si " +
      "sostituirebbero a vicenda sul dispositivo.",
    "warn-headings-skipped": "La riga {line} («{name}», «{other}») è stata presa come " +
      "intestazione delle colonne: non è una domanda.",
    "warn-rows-beyond-b": ["{places} contiene testo oltre la colonna B: solo le colonne A e B " +
                           "diventano domanda e risposta.",
                           "{places} contengono testo oltre la colonna B: solo le colonne A " +
                           "e B diventano domanda e risposta."],
    "warn-empty-question-cell": "{place} è vuota: la risposta di quella riga non ha domanda.",
    "warn-empty-answer-cell": "{place} è vuota: la domanda di quella riga non ha risposta.",
    "warn-more-empty-cells": ["E altra {n} cella vuota.", "E altre {n} celle vuote."],
    "warn-cell-holds-nul": "{place} contiene un carattere zero nascosto: il testo che segue " +
      "va perso.",
    "warn-more-cells-hold-nul": ["E altra {n} cella con un carattere zero nascosto.",
                                 "E altre {n} celle con un carattere zero nascosto."],
    "warn-no-rows": "La tabella non ha righe di domande: il quiz è vuoto.",
    "warn-name-cut-by-nul": "La riga 1 contiene un carattere zero nascosto: il nome del quiz " +
      "finisce prima.",
    "warn-blank-line-at-end": "{place} è vuota: diventa una {side} vuota alla fine del quiz " +
      "(un a capo di troppo alla fine del file?).",
    "warn-blank-answer": "{place} è vuota: la domanda della riga {n} ha una risposta vuota.",
    "warn-blank-line-shifts": "{place} è vuota: diventa una {side} vuota, e tutte le domande " +
      "e risposte successive scendono di una riga.",
    "warn-more-blank-lines": ["E altra {n} riga vuota.", "E altre {n} righe vuote."],
    "warn-line-holds-nul": "{place} contiene un carattere zero nascosto: il resto della riga " +
      "va perso.",
    "warn-more-lines-hold-nul": ["E altra {n} riga con un carattere zero nascosto.",
                                 "E altre {n} righe con un carattere zero nascosto."],
    "warn-no-question-lines": "Non c'è alcuna domanda dopo il nome: il quiz è vuoto.",
    "warn-odd-line-count": "L'ultima domanda (riga {line}) non ha risposta.",
    "warn-repeated-question": "{places} contengono la stessa domanda.",
    "warn-repeated-question-other-answers": "{places} contengono la stessa domanda, con " +
      "risposte diverse.",
    "warn-more-repeated-questions": ["E altra {n} domanda ripetuta.",
                                     "E altre {n} domande ripetute."],
    "warn-handheld-form": ["{places} contiene {char}, che il dispositivo non ha: viene " +
                           "salvato come {stored}.",
                           "{places} contengono {char}, che il dispositivo non ha: viene " +
                           "salvato come {stored}."],
    "warn-byte-without-letter": ["{places} contiene {char}, per cui il dispositivo non ha una " +
                                 "lettera: appare come niente o come un segno sbagliato.",
                                 "{places} contengono {char}, per cui il dispositivo non ha " +
                                 "una lettera: appare come niente o come un segno sbagliato."],
    "warn-ansi-question-file": "Il quiz contiene «Ž» o «ž», che il dispositivo non può " +
      "mostrare: il suo file di domande viene salvato alla vecchia maniera di Windows (ANSI) " +
      "perché si conservino.",
  },
};

pageTexts.pt = {
  languageName: "Português",
  title: "qdconv: ficheiros de perguntas em questionários do tutor Quendle",
  heading: "Do ficheiro de perguntas ao questionário do tutor Quendle",
  language: "Idioma",
  unsupported: "Este navegador não consegue executar o conversor: precisa de WebAssembly, " +
    "que aqui falta ou está desligado. Abra esta página num Firefox, Chrome, Edge ou Safari " +
    "atual (qualquer versão desde 2018), ou use o programa `qdconv`.",
  cannotRun: "Este navegador não consegue executar o conversor.",
  intro: "Escreva ou cole as suas perguntas abaixo, ou escolha ou largue aqui ficheiros de " +
    "perguntas (`.txt`), tabelas de perguntas e respostas de uma folha de cálculo ou de um " +
    "programa de cartões (`.csv`, `.tsv`), ou questionários já feitos para o aparelho " +
    "(`.pdb`) para recuperar as suas perguntas. Vê cada pergunta e cada resposta antes de " +
    "descarregar o questionário para a aplicação de tutoria Quendle do aparelho. Os seus " +
    "ficheiros ficam neste computador: a página converte-os ela própria, sem ligação a lado " +
    "nenhum.",
  dropLabel: "Ficheiros de perguntas, tabelas ou questionários",
  dropHint: "ou largue-os em qualquer sítio desta página",
  encodingLabel: "Codificação dos ficheiros que não são UTF-8",
  encodingAutomatic: "Deduzida das suas palavras",
  readingIn: "«{word}» em {encoding}",
  codePages: {
    western: "Ocidental",
    central: "Europa Central",
    cyrillic: "Cirílico",
    greek: "Grego",
    turkish: "Turco",
    baltic: "Báltico",
    unitedStates: "Estados Unidos",
  },
  filesHeading: "Ficheiros",
  editorHeading: "As suas perguntas",
  textLabel: "Ficheiro de perguntas",
  placeholder: "Linha 1: o nome do questionário. Depois uma pergunta numa linha, a resposta " +
    "na seguinte, e assim por diante. Ou cole duas colunas de uma folha de cálculo.",
  textHelp: "Convertido enquanto escreve. Duas colunas coladas de uma folha de cálculo " +
    "tornam-se perguntas e respostas.",
  lineNumbers: "Números de linha",
  quizName: "Nome do questionário",
  questionCount: "Perguntas",
  howToSummary: "Como escrever um ficheiro de perguntas",
  howTo1: "A linha 1 é o nome do questionário (de 1 a 31 caracteres). Cada linha seguinte é " +
    "uma pergunta, seguida de uma linha com a sua resposta; no máximo 200 caracteres por " +
    "linha e 1500 perguntas. Guarde-o a partir de qualquer editor, numa das suas maneiras " +
    "habituais de guardar texto. O aparelho não consegue mostrar todos os caracteres: letras " +
    "de outros alfabetos e emojis são recusados, indicando a linha. Não deixe linhas em " +
    "branco entre os pares: uma linha em branco torna-se uma pergunta ou resposta vazia e " +
    "desloca todos os pares seguintes; a página avisa. Um documento de processador de texto " +
    "(DOCX, ODT, RTF, PDF) é recusado: guarde-o primeiro como texto simples.",
  howTo2: "Uma tabela também serve: um ficheiro `.csv` guardado a partir de uma folha de " +
    "cálculo (vírgula ou ponto e vírgula), ou um ficheiro `.tsv` de linhas separadas por " +
    "tabulações de um programa de cartões, com a pergunta na primeira coluna e a resposta " +
    "na segunda; o questionário fica com o nome do ficheiro.",
  converted: "{title}: convertido",
  notConverted: "{title}: não convertido",
  yourQuestions: "As suas perguntas",
  edited: "{name} (alterado)",
  download: "Descarregar {name}",
  downloadText: "Descarregar {name} (as suas perguntas num ficheiro de texto)",
  showInEditor: "Mostrar no editor",
  showInEditorFor: "Mostrar no editor: {name}",
  downloadAll: ["Descarregar o ficheiro convertido num só .zip",
                "Descarregar os {n} ficheiros convertidos num só .zip"],
  filesStatus: "{n} ficheiros: {good} convertidos, {bad} não convertidos",
  unreadable: "A página não conseguiu ler o ficheiro.",
  consoleSays: "Mensagem do conversor:",
  caption: "O seu questionário, pergunta a pergunta",
  captionStopped: "O seu questionário, até onde a conversão parou",
  headRow: "Linha",
  headLines: "Linhas",
  headQuestion: "Pergunta",
  headAnswer: "Resposta",
  goToLine: "Ir para a linha {n} no editor",
  empty: "(vazia)",
  gap: ["… mais {n} par", "… mais {n} pares"],
  showAll: ["Mostrar o par escondido", "Mostrar os {n} pares escondidos"],
  findingBlankCell: "Célula vazia: esta linha não tem {side}",
  findingBlankLine: "Linha em branco: uma {side} vazia",
  findingBlankShifts: "Linha em branco: uma {side} vazia (todos os pares seguintes se " +
    "deslocam)",
  findingCutByNul: "Contém um carácter zero escondido: o texto a seguir perde-se",
  findingWithoutAnswer: "Sem resposta: a última pergunta não tem",
  findingStopped: "A conversão parou aqui: veja acima",
  question: "pergunta",
  answer: "resposta",
  tools: "Ferramentas",
  swap: "Trocar perguntas e respostas",
  swapped: "Perguntas e respostas trocadas. Ctrl+Z (ou Cmd+Z) desfaz.",
  print: "Imprimir as soluções",
  answerKey: "Soluções",
  keyCount: ["{n} pergunta", "{n} perguntas"],
  pasteAsksName: "Escreva o nome do questionário na linha 1.",
  nextHeading: "Depois: pôr o questionário no aparelho",
  nextInstallTool: "Com a ferramenta de instalação do aparelho no computador: adicione o " +
    "ficheiro `.pdb` e sincronize o aparelho.",
  nextBrowserEmulator: "No emulador do aparelho no navegador: carregue no botão Install e " +
    "escolha o ficheiro, ou largue o ficheiro sobre ele. Um `.zip` com vários questionários " +
    "instala-os todos de uma vez.",
  nextReimplementation: "Na reimplementação livre do sistema do aparelho: largue o ficheiro " +
    "na sua janela; no Linux também o pode pôr na sua pasta `vfs/app_install`.",
  nextOldEmulator: "No antigo emulador para computador: arraste o ficheiro para a sua " +
    "janela. Recusa nomes de questionário com letras que não sejam de A a Z.",
  nextOldEmulatorName: "O nome «{name}» tem uma dessas letras: para o antigo emulador, " +
    "mude-o na linha 1.",
  nextAppears: "O questionário aparece então com o seu nome na aplicação de tutoria.",
  sameName: "{first} e {second} dão ambos um questionário chamado «{name}»: o aparelho só " +
    "guarda um deles. Mude o nome na linha 1 de um deles.",
  line: "a linha {n}",
  lines: ["a linha {list}", "as linhas {list}"],
  cell: "a célula da linha {n}, coluna {column}",
  rows: ["a linha {list}", "as linhas {list}"],
  inFileName: "o nome do ficheiro, que dá o nome do questionário,",
  andMore: "mais {n}",
  character: "«{c}»",
  placedCharacter: "{place}: {char}",
  invisibleCharacter: "um carácter invisível (U+{code})",
  tab: "uma tabulação",
  nameLine: "A linha 1, o nome do questionário,",
  nameFromFile: "O nome do questionário, tirado do nome do ficheiro,",
  nameOfDatabase: "O nome do questionário",
  storedSpace: "um espaço",
  storedNoBreakSpace: "um espaço inseparável",
  storedHyphen: "«-»",
  storedLeftOut: "nada: é omitido",
  documents: ["", "um documento RTF", "um documento PDF",
              "um arquivo zip (um documento DOCX ou ODT é um)",
              "um documento antigo do Word ou do Office", "uma folha de cálculo (XLSX)",
              "uma folha de cálculo (ODS)", "uma folha de cálculo (XLS)"],
  alphabets: ["", "cirílicas", "gregas"],
  report: {
    "hint-alphabet-unshowable": [
      "O aparelho não tem letras {alphabet}: {places} contém-nas. Escreva o questionário em " +
      "letras latinas; guardar o ficheiro de outra forma não ajuda.",
      "O aparelho não tem letras {alphabet}: {places} contêm-nas. Escreva o questionário em " +
      "letras latinas; guardar o ficheiro de outra forma não ajuda."],
    "questions-converted": ["{n} pergunta convertida.", "{n} perguntas convertidas."],
    "questions-written": ["{n} pergunta recuperada.", "{n} perguntas recuperadas."],
    "input-too-large": "O ficheiro é grande demais para ser um ficheiro de perguntas.",
    "not-plain-text": "Não é um ficheiro de texto, mas sim {document}.",
    "unclosed-quote": "Umas aspas não estão fechadas.",
    "unshowable": "O texto contém um carácter que o aparelho não consegue mostrar.",
    "invalid-text": "Uma parte do texto não se consegue ler.",
    "database-name-invalid": "O nome do questionário não é válido.",
    "too-many-records": "Perguntas a mais: um questionário tem no máximo {half}.",
    "line-too-long": "Uma linha é comprida demais.",
    "not-a-database": "Este ficheiro não é um questionário feito para o aparelho.",
    "other-application-database": "Este ficheiro pertence a outra aplicação do aparelho.",
    "damaged": "O questionário está danificado.",
    "not-a-line": "Uma pergunta deste questionário não cabe numa linha de um ficheiro de " +
      "perguntas.",
    "hint-unshowable": "{place} contém {char}, que o aparelho não consegue mostrar: " +
      "substitua-o.",
    "hint-invalid-text": "{place} contém letras guardadas de outra forma que o resto do " +
      "ficheiro: guarde de novo o ficheiro no seu editor e abra-o aqui outra vez.",
    "hint-later-unshowable": ["O aparelho também não consegue mostrar este: {list}.",
                              "O aparelho também não consegue mostrar estes: {list}."],
    "hint-unclosed-quote": "{place} começa com umas aspas (\") que nunca se fecham: " +
      "acrescente as de fecho, ou escreva-as duas vezes (\"\") para as manter assim.",
    "hint-no-text": "O ficheiro está vazio: escreva o nome do questionário na linha 1 e " +
      "depois uma linha de pergunta e uma de resposta para cada pergunta.",
    "hint-name-line-empty": "A linha 1 está vazia: o nome do questionário vai aí, sem linha " +
      "em branco antes.",
    "hint-name-empty": "{subject} está vazio: um nome tem pelo menos um carácter.",
    "hint-name-control-character": "{subject} contém {what} no carácter {n}: retire-o.",
    "hint-name-too-long": "{subject} tem {n} caracteres: um nome tem no máximo {limit}.",
    "hint-tab-separated-text": "Cada linha contém uma tabulação, como uma folha de cálculo " +
      "guardada como «Texto (separado por tabulações)»: mude o nome do ficheiro para acabar " +
      "em `.tsv`, ou guarde a folha como CSV, e abra esse ficheiro.",
    "hint-cell-too-long": "{place} tem {n} caracteres: uma célula leva no máximo {limit}.",
    "hint-line-too-long": "{place} tem {n} caracteres: uma linha leva no máximo {limit}.",
    "hint-too-many-rows": "A tabela tem {n} linhas de perguntas, um questionário no máximo " +
      "{limit}: divida-as por vários ficheiros.",
    "hint-too-many-lines": "O ficheiro tem {n} linhas de perguntas e respostas, um " +
      "questionário no máximo {limit} ({half} perguntas): divida-as por vários ficheiros.",
    "hint-database-given": "Este ficheiro já é um questionário para o aparelho: dê-lhe um " +
      "nome acabado em `.pdb` para recuperar as suas perguntas.",
    "hint-not-plain-text": "Abra-o no programa que o fez, guarde-o como texto simples " +
      "(«Guardar como», tipo «Texto» ou «Texto simples (*.txt)») e abra aqui o ficheiro de " +
      "texto.",
    "hint-spreadsheet": "Abra-o na folha de cálculo, guarde-o como «CSV UTF-8 (delimitado por " +
      "vírgulas) (*.csv)» ou «CSV» e abra aqui o ficheiro `.csv`.",
    "hint-too-large": "É maior do que qualquer ficheiro de perguntas: é o ficheiro certo?",
    "hint-not-a-database": "Dê à página um questionário (`.pdb`) feito por esta página ou " +
      "pelo `qdconv`.",
    "hint-other-application": "Só os questionários da aplicação de tutoria contêm perguntas.",
    "hint-database-damaged": "Copie de novo o questionário do aparelho, ou converta de novo o " +
      "seu ficheiro de perguntas.",
    "hint-too-many-database-records": "O questionário contém {n} perguntas e respostas, um " +
      "ficheiro de perguntas no máximo {limit}.",
    "hint-name-starts-as-document": "O nome do questionário começa como {document}, e um " +
      "ficheiro de perguntas não pode começar assim.",
    "hint-record-too-long-for-line": "O texto {line} do questionário tem {n} caracteres: uma " +
      "linha de um ficheiro de perguntas leva no máximo {limit}.",
    "hint-not-made-here": "Este questionário não foi feito pelo `qdconv`: as suas perguntas " +
      "não se podem recuperar como ficheiro de perguntas.",
    "warn-read-as-mac-roman": "As linhas do ficheiro acabam como num Mac antigo, por isso foi " +
      "lido com as letras do Mac: verifique as letras acentuadas na pré-visualização.",
    "warn-read-as-encoding": "O ficheiro não é UTF-8: pelas suas palavras, foi lido como " +
      "{encoding}. Se uma letra estiver errada na pré-visualização, escolha a codificação em " +
      "que foi guardado em «{menu}», acima.",
    "encoding-not-certain": "As letras do ficheiro podem ler-se de mais de uma forma.",
    "encodings-mixed": "O ficheiro mistura duas formas de guardar as letras.",
    "hint-encoding-candidates": "O ficheiro não é UTF-8 e as suas palavras leem-se em mais de " +
      "uma página de códigos: {readings}. Escolha aquela em que foi guardado em «{menu}», " +
      "acima, ou guarde-o como UTF-8 no seu editor.",
    "hint-encoding-mixed": "A linha {n} é UTF-8, mas a linha {line} não: guarde todo o " +
      "ficheiro como UTF-8 no seu editor e volte a abri-lo aqui.",
    "warn-table-name-cut": "O nome do ficheiro «{name}» é mais comprido do que um nome de " +
      "questionário ({limit} caracteres): o questionário chama-se «{other}». Dois ficheiros " +
      "cujos nomes só diferem depois disso substituir-se-iam um ao outro no aparelho.",
    "warn-headings-skipped": "A linha {line} («{name}», «{other}») foi tomada pelos títulos " +
      "das colunas: não é uma pergunta.",
    "warn-rows-beyond-b": ["{places} tem texto para além da coluna B: só as colunas A e B " +
                           "se tornam pergunta e resposta.",
                           "{places} têm texto para além da coluna B: só as colunas A e B " +
                           "se tornam pergunta e resposta."],
    "warn-empty-question-cell": "{place} está vazia: a resposta dessa linha não tem " +
      "pergunta.",
    "warn-empty-answer-cell": "{place} está vazia: a pergunta dessa linha não tem resposta.",
    "warn-more-empty-cells": ["E mais {n} célula vazia.", "E mais {n} células vazias."],
    "warn-cell-holds-nul": "{place} contém um carácter zero escondido: o texto a seguir " +
      "perde-se.",
    "warn-more-cells-hold-nul": ["E mais {n} célula com um carácter zero escondido.",
                                 "E mais {n} células com um carácter zero escondido."],
    "warn-no-rows": "A tabela não tem linhas de perguntas: o questionário está vazio.",
    "warn-name-cut-by-nul": "A linha 1 contém um carácter zero escondido: o nome do " +
      "questionário acaba antes dele.",
    "warn-blank-line-at-end": "{place} está em branco: torna-se uma {side} vazia no fim do " +
      "questionário (uma mudança de linha a mais no fim do ficheiro?).",
    "warn-blank-answer": "{place} está em branco: a pergunta da linha {n} tem uma resposta " +
      "vazia.",
    "warn-blank-line-shifts": "{place} está em branco: torna-se uma {side} vazia, e todas as " +
      "perguntas e respostas seguintes descem uma linha.",
    "warn-more-blank-lines": ["E mais {n} linha em branco.", "E mais {n} linhas em branco."],
    "warn-line-holds-nul": "{place} contém um carácter zero escondido: o resto dessa linha " +
      "perde-se.",
    "warn-more-lines-hold-nul": ["E mais {n} linha com um carácter zero escondido.",
                                 "E mais {n} linhas com um carácter zero escondido."],
    "warn-no-question-lines": "Não há nenhuma pergunta depois do nome: o questionário está " +
      "vazio.",
    "warn-odd-line-count": "A última pergunta (linha {line}) não tem resposta.",
    "warn-repeated-question": "{places} contêm a mesma pergunta.",
    "warn-repeated-question-other-answers": "{places} contêm a mesma pergunta, com respostas " +
      "diferentes.",
    "warn-more-repeated-questions": ["E mais {n} pergunta repetida.",
                                     "E mais {n} perguntas repetidas."],
    "warn-handheld-form": ["{places} contém {char}, que o aparelho não tem: fica guardado " +
                           "como {stored}.",
                           "{places} contêm {char}, que o aparelho não tem: fica guardado " +
                           "como {stored}."],
    "warn-byte-without-letter": ["{places} contém {char}, para o qual o aparelho não tem " +
                                 "letra: aparece como nada ou como um sinal errado.",
                                 "{places} contêm {char}, para o qual o aparelho não tem " +
                                 "letra: aparece como nada ou como um sinal errado."],
    "warn-ansi-question-file": "O questionário contém «Ž» ou «ž», que o aparelho não " +
      "consegue mostrar: o seu ficheiro de perguntas é guardado à antiga maneira do Windows " +
      "(ANSI) para que se mantenham.",
  },
};

pageTexts.nl = {
  languageName: "Nederlands",
  title: "qdconv: vragenbestanden naar quizzen voor de Quendle-tutor",
  heading: "Van vragenbestand naar quiz voor de Quendle-tutor",
  language: "Taal",
  unsupported: "Deze browser kan de omzetter niet uitvoeren: daarvoor is WebAssembly nodig, " +
    "dat hier ontbreekt of uitgeschakeld is. Open deze pagina in een recente Firefox, " +
    "Chrome, Edge of Safari (elke versie sinds 2018), of gebruik het programma `qdconv`.",
  cannotRun: "Deze browser kan de omzetter niet uitvoeren.",
  intro: "Typ of plak hieronder uw vragen, of kies of sleep vragenbestanden (`.txt`), " +
    "tabellen met vragen en antwoorden uit een rekenblad of een flashcardprogramma (`.csv`, " +
    "`.tsv`), of al gemaakte quizzen voor het apparaat (`.pdb`) om hun vragen terug te " +
    "krijgen. U ziet elke vraag en elk antwoord voordat u de quiz downloadt voor de " +
    "tutortoepassing Quendle op het apparaat. Uw bestanden blijven op deze computer: de " +
    "pagina zet ze zelf om, zonder verbinding met waar dan ook.",
  dropLabel: "Vragenbestanden, tabellen of quizzen",
  dropHint: "of sleep ze ergens op deze pagina",
  encodingLabel: "Codering van bestanden die geen UTF-8 zijn",
  encodingAutomatic: "Afgeleid uit hun woorden",
  readingIn: "‘{word}’ in {encoding}",
  codePages: {
    western: "West-Europees",
    central: "Centraal-Europees",
    cyrillic: "Cyrillisch",
    greek: "Grieks",
    turkish: "Turks",
    baltic: "Baltisch",
    unitedStates: "Verenigde Staten",
  },
  filesHeading: "Bestanden",
  editorHeading: "Uw vragen",
  textLabel: "Vragenbestand",
  placeholder: "Regel 1: de naam van de quiz. Daarna een vraag op één regel, het antwoord op " +
    "de volgende, enzovoort. Of plak twee kolommen uit een rekenblad.",
  textHelp: "Wordt omgezet terwijl u typt. Twee kolommen geplakt uit een rekenblad worden " +
    "vragen en antwoorden.",
  lineNumbers: "Regelnummers",
  quizName: "Naam van de quiz",
  questionCount: "Vragen",
  howToSummary: "Zo schrijft u een vragenbestand",
  howTo1: "Regel 1 is de naam van de quiz (1 tot 31 tekens). Elke volgende regel is een " +
    "vraag, gevolgd door een regel met het antwoord; hoogstens 200 tekens per regel en 1500 " +
    "vragen. Sla het op vanuit elke editor, op een van de gewone manieren om tekst op te " +
    "slaan. Het apparaat kan niet elk teken tonen: letters van andere alfabetten en emoji " +
    "worden geweigerd, met de regel erbij. Laat geen lege regel tussen de paren: een lege " +
    "regel wordt een lege vraag of een leeg antwoord en verschuift alle volgende paren; de " +
    "pagina waarschuwt daarvoor. Een document uit een tekstverwerker (DOCX, ODT, RTF, PDF) " +
    "wordt geweigerd: sla het eerst op als platte tekst.",
  howTo2: "Een tabel kan ook: een `.csv`-bestand uit een rekenblad (komma of puntkomma), of " +
    "een `.tsv`-bestand met door tabs gescheiden regels uit een flashcardprogramma, met de " +
    "vraag in de eerste kolom en het antwoord in de tweede; de quiz krijgt de naam van het " +
    "bestand.",
  converted: "{title}: omgezet",
  notConverted: "{title}: niet omgezet",
  yourQuestions: "Uw vragen",
  edited: "{name} (bewerkt)",
  download: "{name} downloaden",
  downloadText: "{name} downloaden (uw vragen als tekstbestand)",
  showInEditor: "Tonen in de editor",
  showInEditorFor: "Tonen in de editor: {name}",
  downloadAll: ["Het omgezette bestand als één .zip downloaden",
                "De {n} omgezette bestanden als één .zip downloaden"],
  filesStatus: "{n} bestanden: {good} omgezet, {bad} niet omgezet",
  unreadable: "De pagina kon het bestand niet lezen.",
  consoleSays: "Melding van de omzetter:",
  caption: "Uw quiz, vraag voor vraag",
  captionStopped: "Uw quiz, tot waar het omzetten stopte",
  headRow: "Rij",
  headLines: "Regels",
  headQuestion: "Vraag",
  headAnswer: "Antwoord",
  goToLine: "Naar regel {n} in de editor",
  empty: "(leeg)",
  gap: ["… nog {n} paar", "… nog {n} paren"],
  showAll: ["Het verborgen paar tonen", "De {n} verborgen paren tonen"],
  findingBlankCell: "Lege cel: deze rij heeft geen {side}",
  findingBlankLine: "Lege regel: een lege {side}",
  findingBlankShifts: "Lege regel: een lege {side} (alle volgende paren schuiven op)",
  findingCutByNul: "Bevat een verborgen nulteken: de tekst erna gaat verloren",
  findingWithoutAnswer: "Geen antwoord: de laatste vraag heeft er geen",
  findingStopped: "Hier stopte het omzetten: zie hierboven",
  question: "vraag",
  answer: "antwoord",
  tools: "Hulpmiddelen",
  swap: "Vragen en antwoorden omwisselen",
  swapped: "Vragen en antwoorden omgewisseld. Ctrl+Z (of Cmd+Z) maakt het ongedaan.",
  print: "Antwoordblad afdrukken",
  answerKey: "Antwoordblad",
  keyCount: ["{n} vraag", "{n} vragen"],
  pasteAsksName: "Typ de naam van de quiz op regel 1.",
  nextHeading: "Daarna: de quiz op het apparaat zetten",
  nextInstallTool: "Met het installatieprogramma van het apparaat op de computer: voeg het " +
    "`.pdb`-bestand toe en synchroniseer het apparaat.",
  nextBrowserEmulator: "In de emulator van het apparaat in de browser: druk op de knop " +
    "Install en kies het bestand, of sleep het bestand erop. Een `.zip` met meerdere quizzen " +
    "installeert ze allemaal tegelijk.",
  nextReimplementation: "In de vrije namaak van het systeem van het apparaat: sleep het " +
    "bestand op het venster; onder Linux kunt u het ook in de map `vfs/app_install` zetten.",
  nextOldEmulator: "In de oude emulator voor de computer: sleep het bestand op het venster. " +
    "Die weigert quiznamen met andere letters dan A tot Z.",
  nextOldEmulatorName: "De naam ‘{name}’ heeft zo'n letter: verander hem voor de oude " +
    "emulator op regel 1.",
  nextAppears: "De quiz verschijnt dan onder zijn naam in de tutortoepassing.",
  sameName: "{first} en {second} geven allebei een quiz met de naam ‘{name}’: het apparaat " +
    "houdt er maar één. Verander de naam op regel 1 van een van beide.",
  line: "regel {n}",
  lines: ["regel {list}", "de regels {list}"],
  cell: "de cel in rij {n}, kolom {column}",
  rows: ["rij {list}", "de rijen {list}"],
  inFileName: "de bestandsnaam, waaruit de naam van de quiz komt,",
  andMore: "{n} andere",
  character: "‘{c}’",
  placedCharacter: "{place}: {char}",
  invisibleCharacter: "een onzichtbaar teken (U+{code})",
  tab: "een tab",
  nameLine: "Regel 1, de naam van de quiz,",
  nameFromFile: "De naam van de quiz, gemaakt uit de bestandsnaam,",
  nameOfDatabase: "De naam van de quiz",
  storedSpace: "een spatie",
  storedNoBreakSpace: "een harde spatie",
  storedHyphen: "‘-’",
  storedLeftOut: "niets: het wordt weggelaten",
  documents: ["", "een RTF-document", "een PDF-document",
              "een zip-archief (een DOCX- of ODT-document is er een)",
              "een oud Word- of Office-document", "een rekenblad (XLSX)",
              "een rekenblad (ODS)", "een rekenblad (XLS)"],
  alphabets: ["", "Cyrillische", "Griekse"],
  report: {
    "hint-alphabet-unshowable": [
      "Het apparaat heeft geen {alphabet} letters: {places} bevat ze. Schrijf de quiz in " +
      "Latijnse letters; het bestand anders opslaan helpt niet.",
      "Het apparaat heeft geen {alphabet} letters: {places} bevatten ze. Schrijf de quiz in " +
      "Latijnse letters; het bestand anders opslaan helpt niet."],
    "questions-converted": ["{n} vraag omgezet.", "{n} vragen omgezet."],
    "questions-written": ["{n} vraag teruggehaald.", "{n} vragen teruggehaald."],
    "input-too-large": "Het bestand is te groot voor een vragenbestand.",
    "not-plain-text": "Dit is geen tekstbestand maar {document}.",
    "unclosed-quote": "Een aanhalingsteken wordt niet gesloten.",
    "unshowable": "De tekst bevat een teken dat het apparaat niet kan tonen.",
    "invalid-text": "Een deel van de tekst is niet te lezen.",
    "database-name-invalid": "De naam van de quiz is niet geldig.",
    "too-many-records": "Te veel vragen: een quiz heeft er hoogstens {half}.",
    "line-too-long": "Een regel is te lang.",
    "not-a-database": "Dit bestand is geen quiz die voor het apparaat gemaakt is.",
    "other-application-database": "Dit bestand hoort bij een andere toepassing van het " +
      "apparaat.",
    "damaged": "De quiz is beschadigd.",
    "not-a-line": "Een vraag van deze quiz past niet op één regel van een vragenbestand.",
    "hint-unshowable": "{place} bevat {char}, dat het apparaat niet kan tonen: vervang het.",
    "hint-invalid-text": "{place} bevat letters die anders zijn opgeslagen dan de rest van " +
      "het bestand: sla het bestand opnieuw op vanuit uw editor en open het hier opnieuw.",
    "hint-later-unshowable": ["Ook dit kan het apparaat niet tonen: {list}.",
                              "Ook deze kan het apparaat niet tonen: {list}."],
    "hint-unclosed-quote": "{place} begint met een aanhalingsteken (\") dat nooit gesloten " +
      "wordt: voeg het sluitende toe, of schrijf het twee keer (\"\") om het zo te houden.",
    "hint-no-text": "Het bestand is leeg: schrijf de naam van de quiz op regel 1, en daarna " +
      "voor elke vraag een vraagregel en een antwoordregel.",
    "hint-name-line-empty": "Regel 1 is leeg: daar komt de naam van de quiz, zonder lege " +
      "regel ervoor.",
    "hint-name-empty": "{subject} is leeg: een naam heeft minstens één teken.",
    "hint-name-control-character": "{subject} bevat {what} op teken {n}: haal het weg.",
    "hint-name-too-long": "{subject} heeft {n} tekens: een naam heeft er hoogstens {limit}.",
    "hint-tab-separated-text": "Elke regel bevat een tab, zoals een rekenblad dat is " +
      "opgeslagen als ‘Tekst (tab is scheidingsteken)’: geef het bestand een naam die op " +
      "`.tsv` eindigt, of sla het rekenblad op als CSV, en open dat bestand.",
    "hint-cell-too-long": "{place} heeft {n} tekens: een cel bevat er hoogstens {limit}.",
    "hint-line-too-long": "{place} heeft {n} tekens: een regel bevat er hoogstens {limit}.",
    "hint-too-many-rows": "De tabel heeft {n} rijen met vragen, een quiz hoogstens {limit}: " +
      "verdeel ze over meerdere bestanden.",
    "hint-too-many-lines": "Het bestand heeft {n} vraag- en antwoordregels, een quiz " +
      "hoogstens {limit} ({half} vragen): verdeel ze over meerdere bestanden.",
    "hint-database-given": "Dit bestand is al een quiz voor het apparaat: geef het een naam " +
      "die op `.pdb` eindigt om de vragen terug te krijgen.",
    "hint-not-plain-text": "Open het in het programma waarmee het gemaakt is, sla het op als " +
      "platte tekst (‘Opslaan als’, type ‘Tekst’ of ‘Platte tekst (*.txt)’) en open het " +
      "tekstbestand hier.",
    "hint-spreadsheet": "Open het in het rekenbladprogramma, sla het op als ‘CSV UTF-8 " +
      "(door komma's gescheiden) (*.csv)’ of ‘CSV’ en open het `.csv`-bestand hier.",
    "hint-too-large": "Het is groter dan elk vragenbestand: is het wel het goede bestand?",
    "hint-not-a-database": "Geef de pagina een quiz (`.pdb`) die deze pagina of `qdconv` " +
      "gemaakt heeft.",
    "hint-other-application": "Alleen de quizzen van de tutortoepassing bevatten vragen.",
    "hint-database-damaged": "Kopieer de quiz opnieuw van het apparaat, of zet het " +
      "vragenbestand opnieuw om.",
    "hint-too-many-database-records": "De quiz bevat {n} vragen en antwoorden, een " +
      "vragenbestand hoogstens {limit}.",
    "hint-name-starts-as-document": "De naam van de quiz begint zoals {document}, en zo mag " +
      "een vragenbestand niet beginnen.",
    "hint-record-too-long-for-line": "Tekst {line} van de quiz heeft {n} tekens: een regel " +
      "van een vragenbestand bevat er hoogstens {limit}.",
    "hint-not-made-here": "Deze quiz is niet met `qdconv` gemaakt: de vragen kunnen niet als " +
      "vragenbestand teruggehaald worden.",
    "warn-read-as-mac-roman": "De regels van het bestand eindigen zoals op een oude Mac, dus " +
      "is het gelezen met de letters van de Mac: controleer de letters met accenten in de " +
      "voorvertoning.",
    "warn-read-as-encoding": "Het bestand is geen UTF-8: op grond van de woorden is het " +
      "gelezen als {encoding}. Staat er in de voorbeeldweergave een verkeerde letter, kies " +
      "dan hierboven bij ‘{menu}’ de codering waarin het is opgeslagen.",
    "encoding-not-certain": "De letters van het bestand zijn op meer dan één manier te lezen.",
    "encodings-mixed": "Het bestand mengt twee manieren om letters op te slaan.",
    "hint-encoding-candidates": "Het bestand is geen UTF-8, en de woorden zijn in meer dan " +
      "één codetabel te lezen: {readings}. Kies hierboven bij ‘{menu}’ de tabel waarin het is " +
      "opgeslagen, of sla het in je editor op als UTF-8.",
    "hint-encoding-mixed": "Regel {n} is UTF-8, maar regel {line} niet: sla het hele bestand " +
      "in je editor op als UTF-8 en open het hier opnieuw.",
    "warn-table-name-cut": "De bestandsnaam ‘{name}’ is langer dan een quiznaam ({limit} " +
      "tekens): de quiz heet ‘{other}’. Twee bestanden waarvan de namen pas daarna " +
      "verschillen, zouden elkaar op het apparaat vervangen.",
    "warn-headings-skipped": "Rij {line} (‘{name}’, ‘{other}’) is als kolomkoppen genomen: " +
      "het is geen vraag.",
    "warn-rows-beyond-b": ["{places} bevat tekst na kolom B: alleen de kolommen A en B " +
                           "worden vraag en antwoord.",
                           "{places} bevatten tekst na kolom B: alleen de kolommen A en B " +
                           "worden vraag en antwoord."],
    "warn-empty-question-cell": "{place} is leeg: het antwoord in die rij heeft geen vraag.",
    "warn-empty-answer-cell": "{place} is leeg: de vraag in die rij heeft geen antwoord.",
    "warn-more-empty-cells": ["En nog {n} lege cel.", "En nog {n} lege cellen."],
    "warn-cell-holds-nul": "{place} bevat een verborgen nulteken: de tekst erna gaat " +
      "verloren.",
    "warn-more-cells-hold-nul": ["En nog {n} cel met een verborgen nulteken.",
                                 "En nog {n} cellen met een verborgen nulteken."],
    "warn-no-rows": "De tabel heeft geen rijen met vragen: de quiz is leeg.",
    "warn-name-cut-by-nul": "Regel 1 bevat een verborgen nulteken: de naam van de quiz " +
      "eindigt ervoor.",
    "warn-blank-line-at-end": "{place} is leeg: die wordt een lege {side} aan het einde van " +
      "de quiz (een regeleinde te veel aan het einde van het bestand?).",
    "warn-blank-answer": "{place} is leeg: de vraag op regel {n} heeft een leeg antwoord.",
    "warn-blank-line-shifts": "{place} is leeg: die wordt een lege {side}, en alle vragen en " +
      "antwoorden daarna schuiven een regel op.",
    "warn-more-blank-lines": ["En nog {n} lege regel.", "En nog {n} lege regels."],
    "warn-line-holds-nul": "{place} bevat een verborgen nulteken: de rest van die regel gaat " +
      "verloren.",
    "warn-more-lines-hold-nul": ["En nog {n} regel met een verborgen nulteken.",
                                 "En nog {n} regels met een verborgen nulteken."],
    "warn-no-question-lines": "Er staat geen vraag na de naam: de quiz is leeg.",
    "warn-odd-line-count": "De laatste vraag (regel {line}) heeft geen antwoord.",
    "warn-repeated-question": "{places} bevatten dezelfde vraag.",
    "warn-repeated-question-other-answers": "{places} bevatten dezelfde vraag, met " +
      "verschillende antwoorden.",
    "warn-more-repeated-questions": ["En nog {n} herhaalde vraag.",
                                     "En nog {n} herhaalde vragen."],
    "warn-handheld-form": ["{places} bevat {char}, dat het apparaat niet heeft: het wordt " +
                           "opgeslagen als {stored}.",
                           "{places} bevatten {char}, dat het apparaat niet heeft: het wordt " +
                           "opgeslagen als {stored}."],
    "warn-byte-without-letter": ["{places} bevat {char}, waarvoor het apparaat geen letter " +
                                 "heeft: het verschijnt als niets of als een verkeerd teken.",
                                 "{places} bevatten {char}, waarvoor het apparaat geen " +
                                 "letter heeft: het verschijnt als niets of als een verkeerd " +
                                 "teken."],
    "warn-ansi-question-file": "De quiz bevat ‘Ž’ of ‘ž’, die het apparaat niet kan tonen: " +
      "het vragenbestand wordt op de oudere Windows-manier (ANSI) opgeslagen, zodat ze " +
      "bewaard blijven.",
  },
};
