// The notation of the definition sources: each macro stands for the 16-bit words of one
// statement (or of a structural token). Every word list goes through DEF_WORDS, which the
// includer may redefine (to nothing, for a pass that only lists the definitions).
#pragma once

#ifndef DEF_WORDS
#define DEF_WORDS(...) __VA_ARGS__,
#endif

// Value types.
#define VT_INT16 1
#define VT_INT32 2
#define VT_TEXT 3
#define VT_BOOL 4
#define VT_MONTHANDDAY 5
#define VT_TIME 6
#define VT_RECORDSET 7

// Sections (SRVERSION 1, 1 in the headers where a section takes it; rules stop at the
// first failing one).
#define SECTION_REFERENCES DEF_WORDS(0x1001, 0x0001)
#define SECTION_DATA DEF_WORDS(0x1002, 0x2001, 1, 1, 0x0001)
#define SECTION_VERIFICATION DEF_WORDS(0x1004, 0x2001, 1, 1, 0x2002, 0x2201, 0x0001)
#define END_SECTION DEF_WORDS(0x0002)

// References: the editor of a record, the pages of a sheet.
#define SOFTDLG(dialog, help) DEF_WORDS(0x3201, dialog, help)
#define PAGE(dialog, help) DEF_WORDS(0x3201, dialog, help)
#define PROPSHEET(sheet) DEF_WORDS(0x3209, sheet)

// Fields: id, value type, flags; a parameter field (flag 0x0010) carries the string id of
// its name; a record set (flag 0x0004) the definition of its records.
#define FIELD(id, type, flags) DEF_WORDS(0x3203, id, VT_##type, flags)
#define FIELD_PARAM(id, type, flags, name) DEF_WORDS(0x3203, id, VT_##type, flags, name)
#define FIELD_SET(id, flags, def) DEF_WORDS(0x3203, id, VT_RECORDSET, flags, def)
#define FIELD_PARAM_SET(id, flags, name, def) DEF_WORDS(0x3203, id, VT_RECORDSET, flags, name, def)

// Conditions: each governs the next statement, or a block up to END_BLOCK.
#define IF_EQ(field, value) DEF_WORDS(0x3001, field, 0x8100, value)
#define IF_NE(field, value) DEF_WORDS(0x3001, field, 0x8101, value)
#define IF_LT(field, value) DEF_WORDS(0x3001, field, 0x8301, value)
#define IF_LE(field, value) DEF_WORDS(0x3001, field, 0x8201, value)
#define IF_GT(field, value) DEF_WORDS(0x3001, field, 0x8200, value)
#define IF_NE_FIELD(field, other) DEF_WORDS(0x3001, field, 0x8501, other)
#define IF_NOT_IN(field, lo, hi) DEF_WORDS(0x3001, field, 0x8011, lo, hi)
#define IF_BLANK(field) DEF_WORDS(0x3001, field, 0x8040)
#define IF_NOT_BLANK(field) DEF_WORDS(0x3001, field, 0x8041)
#define IF_SHORTER_THAN_PROFILE(field) DEF_WORDS(0x3001, field, 0x8B01)
#define IF_NEVER(field, value) DEF_WORDS(0x3001, field, 0x8080, value)
#define BLOCK DEF_WORDS(0x0001)
#define THEN DEF_WORDS(0x0003)
#define ELSE DEF_WORDS(0x0004)
#define END_BLOCK DEF_WORDS(0x0002)

// Messages of failed rules: with the label of a field, without inserts, naming a field
// only (no text), or with a field's label and value.
#define MSG(message, field) DEF_WORDS(0x3103, 0x8000, message, 0x8101, field)
#define MSG_TEXT(message) DEF_WORDS(0x3103, 0x8000, message, 0x8400)
#define MSG_FIELD(field) DEF_WORDS(0x3103, 0x8000, field, 0x8800)
#define MSG_LABEL_VALUE(message, field) DEF_WORDS(0x3103, 0x8000, message, 0x8003, field)

// Soft dialog definitions: the template and help context; the soft controls (a plain
// control, or a group control with its empty header list and its sub-controls); the
// data links of controls to record fields; the reactions of a NOTIFICATION section to the
// notification (source, code) of its header.
#define SECTION_SOFTCONTROL DEF_WORDS(0x1007, 0x2001, 1, 1, 0x0001)
#define SECTION_DLGDATALINK DEF_WORDS(0x1006, 0x2001, 1, 1, 0x0001)
#define SECTION_NOTIFICATION(source, code) DEF_WORDS(0x1008, 0x2301, source, code, 0x0001)
#define DLGRES(dialogTemplate) DEF_WORDS(0x3202, dialogTemplate)
#define DLGHELP(help) DEF_WORDS(0x320B, help)
#define CTRL(id, kind, flags) DEF_WORDS(0x3206, id, kind, flags)
#define CTRL_EDIT(id, limit) DEF_WORDS(0x3206, id, 0x4004, 0x8001, limit)
#define GROUP(id, kind, flags) DEF_WORDS(0x3207, id, kind, flags, 0x0001)
#define GROUP_SPIN(id, low, high) DEF_WORDS(0x3207, id, 0x4078, 0x8000, low, high, 0x0001)
#define SUB(id) DEF_WORDS(0x3208, id)
#define END_GROUP DEF_WORDS(0x0002)
#define LINK(control, field) DEF_WORDS(0x3204, control, field, 0x8000)
#define REACT(target, code) DEF_WORDS(0x3102, target, code, 0x8000)
#define REACT_TEXT(target, text) DEF_WORDS(0x3102, target, 0x0467, 0x8000, text)
#define CALL_OUT(id) DEF_WORDS(0x3002, id, 0x8000)

// Soft controls by kind: edit (with its text limit), list view (flags 0x0001 small images
// of the bitmap operand, 0x0002 state images), combo box (data link, display field, and
// with flag 0x0004 a key field), item picker, item editor, application-file combo.
#define CTRL_LIST(id, flags, bitmap) DEF_WORDS(0x3206, id, 0x4003, flags, bitmap)
#define CTRL_COMBO(id, flags, link, display) DEF_WORDS(0x3206, id, 0x4006, flags, link, display)
#define CTRL_COMBO_KEY(id, flags, link, display, key) DEF_WORDS(0x3206, id, 0x4006, flags, link, display, key)
#define GROUP_PICKER(id, flags) DEF_WORDS(0x3207, id, 0x4076, flags, 0x0001)
#define GROUP_ITEMS(id, flags) DEF_WORDS(0x3207, id, 0x4077, flags, 0x0001)
#define GROUP_RADIO(id) DEF_WORDS(0x3207, id, 0x4072, 0x8000, 0x0001)
#define GROUP_PLAIN(id) DEF_WORDS(0x3207, id, 0x4071, 0x8000, 0x0001)
#define GROUP_FILES(id, flags, link, bitmap) DEF_WORDS(0x3207, id, 0x4079, flags, link, bitmap, 0x0001)
// A data link with a block: the columns of a list view, or an indirect link (the record set
// field, the key field and the string its text must equal, then the field shown).
#define LINK_BLOCK(control, field) DEF_WORDS(0x3204, control, field, 0x8000, 0x0001)
#define LINK_INDIRECT(control, field) DEF_WORDS(0x3204, control, field, 0x8002, 0x0001)
#define COLUMN(field) DEF_WORDS(0x320A, field, 0x8000)
#define IN_SET(setField, keyField, keyText) DEF_WORDS(0x320A, setField, 0x8001, keyField, keyText)
#define SHOW_FIELD(field) DEF_WORDS(0x320A, field, 0x8000)
#define END_LINK DEF_WORDS(0x0002)
