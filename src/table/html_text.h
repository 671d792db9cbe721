// The plain text of a table cell exported with HTML (a flashcard
// application's "html:true"): tags removed, character references (every
// named one of HTML, &#233; and &#xE9;) as their characters. A tag that parts words (<br>, <div>, <p>, <li> and their ends)
// becomes one space between the texts it parts, none at a cell's start or
// end nor beside a space.
#ifndef QDCONV_TABLE_HTML_TEXT_H_
#define QDCONV_TABLE_HTML_TEXT_H_

#include "table/table_reader.h"

// Make |cell| plain text in place. A reference to a character the handheld
// cannot show becomes kUnmappedMark, listed in cell.unmapped; one to a
// control character becomes a space, as a line break does.
void MakePlainText(TableCell& cell);

#endif  // QDCONV_TABLE_HTML_TEXT_H_
