// The main window, one row per path: each button, list, key and the clipboard reach their
// handler, the focus lands where it should, the settings file is read at start and written by
// Save Configuration, a file that cannot be written is reported, Copy as gives the field's bytes,
// and the work display shows marks, links, dimmed captions and tool tips. Beside the table: the
// work display changes nothing the program writes.
#include "form1_checks.h"

using namespace numo;
using namespace numo::testing;

namespace {

struct Row
{
    const char *name;
    const char *before; // steps on the data folder before the start, or nullptr
    const char *steps;
    const char *checks; // "what=shown" separated by "|"
};

#define kNewIni "new/.png/Hex Value/String//"
#define kIni "write ini old\r\n.png\r\nHex Value\r\nString\r\n\r\n"
#define kOld kIni "; write txt old\r\n"
#define kSave "type Text7 new; click Command7"
#define kBoth "numo2.ini numo2.txt"
#define kHelp2                                                                                     \
    "Enter string of hex numbers to convert to Bin, Text, and Bytes. (Ctrl+Enter: Convert Hex to " \
    "Dec and Bin)"
#define kText4Help                                                                                 \
    ". Enter large numbers here and have them converted to bytes, hex, text, bin, and text "       \
    "(Ctrl+Enter: Convert to bytes)"
// Palettes: base, highlight, text, window, window text, highlighted text, link, placeholder.
#define kLight "palette #fcfcfc #3daee9 #232629 #eff0f1 #232629 #fcfcfc #2980b9 #80232629"
#define kDark "palette #1b1e20 #3daee9 #fcfcfc #2a2e32 #fcfcfc #fcfcfc #1d99f3 #24bdc3c7"
#define kContrast "palette #000000 #1aebff #ffffff #000000 #ffffff #000000 #ffff00 #3ff23f"
// Text1 waved, Text2 linked, Text3 struck out, Label1 dimmed, Label3 not.
#define kMarks "type Text5 @; click Command3; type Text1 300; type Text3 01100001011; caret Text5 0"
#define kInk "ink.Label1=dim|ink.Label3=full|faint.Text3=dim|wave.Text1=apart|tint.Text2=dim"

const Row kRows[] = {
    {"Command1_click", nullptr, "type Text1 1.2; click Command1",
        "Text2=01-02|Text3=00000001-00000010|clipboard=before|cursor=none|Command7=disabled"},
    {"large_field_busy_cursor_given_back", nullptr,
        "fill Text4 100001; watch Text4; click Command5", "Text4=|cursor=none after busy"},
    {"small_field_never_busy", nullptr, "fill Text4 100000; watch Text4; click Command5",
        "Text4=|cursor=none"},
    {"Command1_return", nullptr, "type Text1 1.2; key Command1 Return",
        "Text2=01-02|focus=Command1"},
    {"Command1_enter_and_Command6_space", nullptr,
        "type Text1 3; key Command1 Enter; type Text3 01000001; key Command6 Space",
        "Text2=03|Text5=A"},
    {"Command2_click", nullptr, "type Text4  256 ; click Command2", "Text1=0 0 0 0 0 1 0"},
    {"Command2_program_notation_second", "locale de_DE", "type Text4 2.5e2; click Command2",
        "Text1=0 0 0 0 0 0 250"},
    {"Command2_users_grouping_first", "locale de_DE", "type Text4 1.000; click Command2",
        "Text1=0 0 0 0 0 3 232"},
    {"Command2_not_a_number", nullptr, "type Text4 12abc; click Command2",
        "Text1=|Text4.d=Not a number: 12abc" kText4Help "|tooltip=Not a number: 12abc"},
    {"Command2_number_again", nullptr,
        "type Text4 x; click Command2; type Text4 1,000; click Command2",
        "Text1=0 0 0 0 0 3 232|Text4.d=Enter large numbers here and have them converted to "
        "bytes, hex, text, bin, and text (Ctrl+Enter: Convert to bytes)"},
    {"Command2_not_a_number_named_by_its_start", nullptr,
        "type Text4 xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx; click Command2",
        "Text4.d=Not a number: xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\u2026" kText4Help},
    {"Command2_not_a_number_of_forty_characters", nullptr,
        "type Text4 xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx; click Command2",
        "Text4.d=Not a number: xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx" kText4Help},
    {"clipboard_tip_trailing_blank", nullptr, "paste Text7 a; paste Text8 b ; click Command3",
        "Text6.t=<p style='white-space:pre'>Put on the clipboard, 3 "
        "characters:<br>ab<b>\u2423</b></p>"},
    {"Command3_click", nullptr, "type Text5 A\u00e9; click Command3",
        "Text1=65 233|Text6=a.gif|focus=Command5|clipboard=a.gif"},
    {"Command4_click", nullptr, "type Text2 4a; click Command4", "Text5=J|Text1=74"},
    {"Command5_click", nullptr, "type Text4 7; type Text6 x; type Text9 v; click Command5",
        "Text4=|Text6=|Text9=v|Text7=a|focus=Text5"},
    {"Command6_click", nullptr, "type Text3 01000001-01000010; click Command6",
        "Label3=2           |Text5=AB|Text1="},
    {"ctrl_enter_dotted", nullptr, "type Text1 140.0.255.255; key Text1 Ctrl+Return",
        "Text2=8C-00-FF-FF|Text1=140 0 255 255"},
    {"ctrl_enter_hexadecimal", nullptr, "type Text2 8c00ffff; key Text2 Ctrl+Return",
        "Text1=140 0 255 255"},
    {"ctrl_enter_binary", nullptr, "type Text3 0100001001000011; key Text3 Ctrl+Return",
        "Text5=BC"},
    {"ctrl_enter_large_decimal", nullptr, "type Text4 65536; key Text4 Ctrl+Return",
        "Text1=0 0 0 0 1 0 0"},
    {"ctrl_enter_text_line_in_string_mode", nullptr,
        "select List2 1; type Text5 Numo; key Text5 Ctrl+Enter",
        "Text1=78 117 109 111|focus=Command5"},
    {"ctrl_enter_text_line_in_single_key_mode", nullptr,
        "select List2 0; type Text5 A; key Text5 Ctrl+Return", "focus=Text5"},
    {"plain_enters_break_the_line", nullptr,
        "type Text2 41; key Text2 Return; key Text2 Shift+Return", "Text1="},
    {"box_warned_of_disagreement", nullptr, "type Text1 1.2; click Command1; type Text1 1.2.3",
        "Text2.d=Not the same bytes as the Decimal in Bytes field: 2 bytes here, 3 bytes there. "
        "Enter string of hex numbers to convert to Bin, Text, and Bytes. (Ctrl+Enter: Convert "
        "Hex to Dec and Bin)"},
    {"box_warning_taken_back", nullptr,
        "type Text1 1.2; click Command1; type Text1 1.2.3; click Command1",
        "Text2.d=Enter string of hex numbers to convert to Bin, Text, and Bytes. (Ctrl+Enter: "
        "Convert Hex to Dec and Bin)"},
    {"clipboard_described_plainly", nullptr, "paste Text7 <b>\x01; click Command3",
        "Text6.d=Put on the clipboard, 8 characters:\n<b>\u2401.gif"},
    // What a screen reader hears without a pointer: the mark under the caret with the field's
    // help, a window's role, a Copy as entry's example.
    {"caret_on_marks_heard", nullptr,
        "type Text2 0x1F; caret Text2 1; expect Text2.d=Skipped: not a hexadecimal digit. " kHelp2
        "; caret Text2 3",
        "Text2.d=" kHelp2},
    {"caret_after_a_mark_heard", nullptr, "type Text2 abc; caret Text2 3",
        "Text2.d=The lone digit c is read as 0c. " kHelp2},
    {"windows_heard_as_windows", nullptr, "click Command8", "roles=window window"},
    {"copyas_example_heard", nullptr, "type Text2 41",
        "heard.Text2.2=Hex with colons: 140 0 255 255 become 8C:00:FF:FF"},
    {"buttons_name_their_keys", nullptr, "",
        "Command8.d=F1|Command6.d=Ctrl+Enter in the binary field"},
    {"tab_order", nullptr,
        "key Text5 Tab; expect focus=Text1; key Text1 Tab; expect focus=Command1; key Command8 Tab",
        "focus=List1"},
    {"f1_opens_help", nullptr, "key Text1 F1", "help=shown"},
    {"help_opens_once", nullptr, "click Command8; click Command8", "help=shown"},
    {"ctrl_q_closes", nullptr, "key Text1 F1; key Text1 Ctrl+Q", "window=closed|help=none"},
    {"List1_double_click", nullptr, "dbl List1 1", "Label7=Hex Value|Command7=enabled"},
    {"List1_return", nullptr, "select List1 2; key List1 Return", "Label7=Binary Value"},
    {"List1_return_acts_on_the_press", nullptr, "select List1 1; press List1", "Label7=Hex Value"},
    {"List1_other_key", nullptr, "select List1 2; key List1 Space",
        "Label7=ASCII Value|Command7=disabled"},
    {"List1_typed_letter_then_return", nullptr, "key List1 B; key List1 Return",
        "List1=Binary Value|Label7=Binary Value"},
    {"List1_unused_key_reaches_the_window", nullptr, "select List1 1; key List1 F1",
        "help=shown|List1=Hex Value|Command7=disabled"},
    {"List1_selection_chooses_the_value", nullptr, "select List1 1; type Text5 B; click Command3",
        "Text9=42|clipboard=a42.gif|Label7=ASCII Value"},
    {"List2_double_click", nullptr, "dbl List2 1", "Command7=enabled"},
    {"List2_keypad_enter", nullptr, "select List2 1; key List2 Enter", "Command7=enabled"},
    {"Text7_edit", nullptr, "type Text7 b", "Command7=enabled"},
    {"Text8_edit", nullptr, "type Text8 .png", "Command7=enabled"},
    {"single_key_converts_each_key", nullptr, "select List2 0; type Text4 9; type Text5 xB",
        "Text1=66|Text5=B|Text4=|focus=Text5|clipboard=a.gif"},
    {"string_mode_only_types", nullptr, "select List2 1; type Text5 B",
        "Text1=|Text5=B|clipboard=before"},
    {"no_mode_only_types", nullptr, "type Text5 B", "Text1="},
    {"first_run", nullptr, "",
        "Text7=a|Text8=.gif|Label7=ASCII "
        "Value|List1=|List2=|Command7=disabled|ini=missing|Text6.t=|"
        "title=Numo Number Converter by   www.plimpton-data.example  21 Sep "
        "01|logo=drawn|rows=whole whole|size=732x606"},
    {"settings_applied", "write ini p\r\n.png\r\nHex Value\r\nString\r\n\r\n", "",
        "Text7=p|Text8=.png|Label7=Hex Value|List1=Hex Value|List2=String|Command7=disabled"},
    {"settings_short_file_applies_nothing", "write ini p\r\n.png\r\nHex Value\r\n", "",
        "Text7=a|Text8=.gif|Label7=ASCII Value|List1="},
    {"settings_unknown_values_select_nothing", "write ini x\ny\nhex value\nSingle key\n", "",
        "Text7=x|Text8=y|Label7=hex value|List1=|List2="},
    {"settings_lone_cr_stays_in_its_line", "write ini p\rq\r\n.gif\nHex Value\r\nString", "",
        "Text7=p\rq|Text8=.gif|Label7=Hex Value|List2=String"},
    {"settings_empty_value", "write ini a \r\n\u00e9\r\n\r\nSingle Key\r\n", "",
        "Text7=a |Text8=\u00e9|Label7=|List2=Single Key"},
    {"save_as_chosen", nullptr,
        "type Text7 p ; dbl List1 1; dbl List2 1; select List1 0; click Command7",
        "ini=p /.gif/Hex Value/String//|Command7=disabled|warning=none"},
    {"save_nothing_chosen", nullptr, "type Text8 \u00e9; click Command7", "ini=a/\u00e9////"},
    {"saved_come_back", nullptr, "type Text7 q; dbl List1 2; click Command7; restart",
        "Text7=q|Label7=Binary Value|List1=Binary Value|Command7=disabled"},
    {"save_failure_warns_once", nullptr, "dir ini; type Text8 .png; click Command7; click Command7",
        "Command7=enabled|warning=numo2.ini"},
    {"save_stores_question_marks", nullptr, "type Text7 \u65e5\u672c\u20ac\u00e9; click Command7",
        "ini=??\u0080\u00e9/.gif////|warning=numo2.ini (U+65E5) (U+672C)|Command7=disabled"},
    {"save_names_code_points", nullptr,
        "paste Text7 a\u200bb; paste Text8 \U0001F600 \U0001F600; click Command7",
        "ini=a?b/?? ?\?////|warning=numo2.ini (U+200B) (U+1F600)"},
    {"save_storable_needs_no_note", nullptr, "type Text7 \u00e9\u0160\u2122; click Command7",
        "ini=\u00e9\u008a\u0099/.gif////|warning=none"},
    // The data folder: the help file written at the start and the settings saved, into a folder
    // made one level deep; when neither can be written, each failure is shown with its reason.
    {"fault_none", kOld, kSave,
        "warning=none|Command7=disabled|ini=" kNewIni "|txt=the help text|folder=" kBoth},
    {"fault_folder_missing", nullptr, kSave,
        "warning=none|Command7=disabled|ini=new/.gif////|txt=the help text|folder=" kBoth},
    {"fault_parent_missing", "gone",
        "expect warning=numo2.txt; expect warning.reason=No such file or directory; " kSave,
        "warning=numo2.ini|warning.reason=No such file or directory|Command7=enabled|ini=missing|"
        "txt=missing|folder=missing"},
    {"inspector_dotted_decimal_once", nullptr,
        "type Text1 1.2.3; caret Text1 2; key Text1 Ctrl+I; key Text1 Ctrl+I",
        "inspector=Dotted decimal field, bytes 2 to 3 of 3|inspector.2=Unsigned 16-bit: 515 / 770"},
    {"inspector_hexadecimal", nullptr, "type Text2 8C00FFFF; caret Text2 0; key Text2 Ctrl+I",
        "inspector=Hexadecimal field, bytes 1 to 4 of 4|"
        "inspector.4=Unsigned 32-bit: 2348875775 / 4294901900|inspector.10=IPv4 address: "
        "140.0.255.255|Text1=|clipboard=before"},
    {"inspector_binary", nullptr, "type Text3 01000001 01000010; caret Text3 0; key Text3 Ctrl+I",
        "inspector=Binary field, bytes 1 to 2 of 2|inspector.13=Text (UTF-8): AB"},
    {"inspector_menu_text_line_controls_shown", nullptr, "paste Text5 A\001B; inspect Text5",
        "inspector=Text line, bytes 1 to 3 of 3|inspector.13=Text (UTF-8): A\u2401B"},
    {"inspector_follows_caret_selection_focus", nullptr,
        "type Text5 xyz; type Text2 01 02 03 04; key Text2 Ctrl+I; caret Text2 3; "
        "expect inspector=Hexadecimal field, bytes 2 to 4 of 4; back Text2 4; "
        "expect inspector=Hexadecimal field, bytes 3 to 4 of 4; caret Text5 1",
        "inspector=Text line, bytes 2 to 3 of 3|inspector.2=Unsigned 16-bit: 31098 / 31353"},
    {"inspector_empty_field", nullptr, "key Text3 Ctrl+I",
        "inspector=Binary field: no bytes|inspector.0=Unsigned 8-bit: needs 1 byte"},
    {"inspector_reads_field_out_of_step", nullptr,
        "type Text2 41 42; click Command4; type Text2 43; key Text2 Ctrl+I",
        "inspector=Hexadecimal field, byte 1 of 1|inspector.13=Text (UTF-8): C|Text5=AB"},
    {"inspector_copy_cell_and_close", nullptr,
        "type Text2 8C00FFFF; caret Text2 0; key Text2 Ctrl+I; inspector Down Down Down Down "
        "Ctrl+C; expect clipboard=2348875775; inspector F1 Escape",
        "inspector=closed|help=shown"},
    {"inspector_ctrl_q_ends_numo", nullptr, "key Text2 Ctrl+I; inspector Ctrl+Q",
        "inspector=closed|window=closed"},
    {"copyas_menu_key", nullptr, "type Text2 8C-00-FF-FF; copyas Text2 4",
        "clipboard={ 0x8C, 0x00, 0xFF, 0xFF }|Text2=8C-00-FF-FF|Text1=|Text6.d=Put on the "
        "clipboard as C array, 26 characters:\n{ 0x8C, 0x00, 0xFF, 0xFF }"},
    {"copyas_shift_f10", nullptr, "type Text1 140.0.255.255; copyasf10 Text1 2",
        "clipboard=8C:00:FF:FF"},
    {"copyas_text_line", nullptr, "type Text5 \u00e9!; copyas Text5 5", "clipboard=\\xE9\\x21"},
    {"copyas_selection", nullptr, "type Text3 10001100-00000000; back Text3 8; copyas Text3 0",
        "clipboard=00|copyas.Text3.0=8/8 140 0 255 255 become 8C00FFFF (Copy the bytes the "
        "selection "
        "touches)"},
    {"copyas_selection_on_a_line", nullptr, "paste Text2 8C\n00\nFF; back Text2 1; copyas Text2 6",
        "clipboard=255"},
    {"copyas_base64", nullptr, "type Text2 8C 00 FF FF; copyas Text2 7", "clipboard=jAD//w=="},
    {"copyas_nothing_to_copy", nullptr, "type Text2 -- xyz",
        "copyas.Text2.4=0/8 140 0 255 255 become { 0x8C, 0x00, 0xFF, 0xFF } (Copy every byte of "
        "the "
        "field)"},
    {"mark_hex_lone_digit", nullptr, "type Text2 abc",
        "Text2=abc|cue.Text2.2=alt+wave|cue.Text2.1=plain|tip.Text2.2=Byte 2 of 2: 12 = 0C = "
        "00001100\nThe lone digit c is read as 0c."},
    {"mark_hex_skipped", nullptr, "type Text2 0x1F",
        "cue.Text2.1=dotted|cue.Text2.2=alt|tip.Text2.1=Skipped: not a hexadecimal digit."},
    {"mark_binary", nullptr, "type Text3 0110 0001",
        "cue.Text3.4=wave|cue.Text3.3=plain|cue.Text3.8=struck|tip.Text3.4=Byte 1 of 1: 96 = "
        "60 = 01100000\nCharacters other than 0 and 1 count as 0.|tip.Text3.8=Ignored: fewer "
        "than eight characters remain."},
    {"mark_dotted_above_255", nullptr, "type Text1 1.300",
        "cue.Text1.3=alt+wave|cue.Text1.0=plain|tip.Text1.3=Byte 2 of 2: 44 = 2C = 00101100\n300 "
        "is above 255: it counts modulo 256 and has no binary group."},
    {"mark_text_line", nullptr, "type Text5 \u00e9\u2603",
        "cue.Text5.1=alt+wave|cue.Text5.0=plain|tip.Text5.0=windows-1252: \u00e9 = 233 = E9 = "
        "11101001|tip.Text5.1=windows-1252 has no code for \u2603: it converts to ? = 63 = 3F = "
        "00111111"},
    {"mark_after_line_breaks", nullptr, "paste Text2 41\n4\n5\n6; caret Text2 7",
        "cue.Text2.7=alt+wave|tip.Text2.7=Byte 4 of 4: 6 = 06 = 00000110\nThe lone digit 6 is "
        "read as 06."},
    {"right_to_left_text_laid_out_as_the_window", nullptr, "type Text5 \u05e9\u05dc\u05d5\u05dd",
        "Text5=\u05e9\u05dc\u05d5\u05dd|dir.Text5=ltr"},
    {"tip_text_line_surrogates", nullptr, "paste Text5 \U0001F600",
        "tip.Text5.0=windows-1252 has no code for \U0001F600: it converts to ? = 63 = 3F = "
        "00111111"},
    {"tip_text_line_controls", nullptr, "paste Text5 \x7f\u0085",
        "tip.Text5.0=windows-1252: \u2421 = 127 = 7F = 01111111|tip.Text5.1=windows-1252 has no "
        "code for U+0085: it converts to ? = 63 = 3F = 00111111"},
    {"link_from_decimal", nullptr, "type Text5 Numo; click Command3; caret Text1 4",
        "link.Text2=1|link.Text3=1|link.Text5=1|link.Text1=none|cue.Text2.4=linked|cue.Text2.6="
        "plain"},
    {"link_from_decimal_start", nullptr, "type Text5 Numo; click Command3; caret Text1 3",
        "link.Text2=1"},
    {"link_from_hex", nullptr, "type Text5 Numo; click Command3; caret Text2 7",
        "link.Text1=2|link.Text5=2|link.Text2=none"},
    {"link_just_after_a_byte", nullptr, "type Text5 Numo; click Command3; caret Text2 8",
        "link.Text3=2"},
    {"link_from_binary", nullptr, "type Text5 Numo; click Command3; caret Text3 30",
        "link.Text1=3|cue.Text2.10=linked"},
    {"link_from_text_line", nullptr, "type Text5 Numo; click Command3; caret Text5 1",
        "link.Text2=1|cue.Text2.3=linked"},
    {"link_gone_with_the_pointer", nullptr,
        "type Text2 20 41 42 20; click Command4; hover Text5 0; leave Text5", "link.Text2=none"},
    {"link_follows_the_pointer_along_a_field", nullptr,
        "type Text2 20 41 42 20; click Command4; hover Text2 0; hover Text2 3", "link.Text3=1"},
    {"link_by_pointer", nullptr, "type Text2 20 41 42 20; click Command4; hover Text5 1",
        "Text5=AB|link.Text2=2|link.Text1=2"},
    {"link_by_pointer_at_the_bottom_edge", nullptr,
        "type Text2 20 41 42 20; click Command4; hoverlow Text5 1", "link.Text2=2"},
    {"link_pointer_on_dropped_blank", nullptr,
        "type Text2 20 41 42 20; click Command4; hover Text2 9", "link.Text5=none|link.Text3=3"},
    {"link_follows_a_conversion_under_the_caret", nullptr,
        "type Text1 1 2 3; caret Text1 2; key Text1 Ctrl+Return", "Text2=01-02-03|link.Text2=1"},
    {"link_first_byte", nullptr, "type Text5 Numo; click Command3; caret Text1 0",
        "link.Text2=0|link.Text5=0"},
    {"link_none_between_disagreeing_fields", nullptr,
        "type Text5 Numo; click Command3; type Text1 9 9; caret Text1 0",
        "link.Text2=none|link.Text5=none"},
    {"captions_agree", nullptr, "type Text5 Hi; click Command3",
        "dim.Label1=no|dim.Label2=no|dim.Label3=no|dim.Label5=no"},
    {"captions_dim_after_an_edit", nullptr, "type Text5 Hi; click Command3; type Text2 48 69 21",
        "dim.Label2=no|dim.Label1=yes|dim.Label3=yes|dim.Label5=yes|Label1.t=Not the same bytes "
        "as the Hexadecimal field: 2 bytes here, 3 bytes there.|Label1.d=Not the same bytes as "
        "the Hexadecimal field: 2 bytes here, 3 bytes there.|Label1=Decimal in Bytes (such as IP "
        "Addresses)"},
    {"captions_follow_the_last_change", nullptr,
        "type Text5 Hi; click Command3; type Text2 48 69 21; type Text3 01000001; click Command6",
        "dim.Label3=no|dim.Label5=no|dim.Label1=yes|Label2.t=Not the same bytes as the Text Line "
        "field: 3 bytes here, 1 byte there."},
    {"captions_restored", nullptr, "type Text5 Hi; type Text2 48 69 21; click Command4",
        "dim.Label1=no|dim.Label5=no|Label1.t=|Label5.t=|Label5.d="},
    {"clipboard_tip", nullptr, "paste Text7   a\x01\x7f\u0085; type Text5 B; click Command3",
        "clipboard=  a\x01\x7f\u0085.gif|Text6.t=<p style='white-space:pre'>Put on the clipboard, "
        "10 characters:<br><b>\u2423</b><b>\u2423</b>a<b>\u2401</b><b>\u2421</b><b>U+0085</b>."
        "gif</p>"},
    {"clipboard_tip_empty", nullptr, "paste Text7 ; paste Text8 ; click Command3",
        "Text6.t=<p style='white-space:pre'>Put on the clipboard: nothing (0 characters)<br></p>"},
    // Stripes under every second byte stand apart in light and dark palettes alike, and follow a
    // change of palette.
    {"stripes_light", nullptr,
        "palette #ffffff #308cc6 #000000; type Text2 8C-00-FF-FF; click Command4",
        "stripes.Text2=apart"},
    {"stripes_dark_after_a_palette_change", nullptr,
        "type Text2 8C-00-FF-FF; click Command4; palette #1e1e1e #3daee9 #fcfcfc",
        "stripes.Text2=apart"},
    {"stripes_dark_dim_highlight", nullptr,
        "palette #232629 #282c30 #eff0f1; type Text2 8C-00-FF-FF; click Command4",
        "stripes.Text2=apart"},
    {"stripes_highlight_near_base", nullptr,
        "palette #232629 #24272a #eff0f1; type Text2 8C-00-FF-FF; click Command4",
        "stripes.Text2=apart"},
    // Every mark stands 3:1 from its background; dimmed ones less than the text does.
    {"marks_light", nullptr, kLight "; " kMarks, kInk},
    {"marks_placeholder_as_dark_as_text", nullptr,
        "palette #fcfcfc #3daee9 #232629 #eff0f1 #232629 #fcfcfc #2980b9 #232629; " kMarks,
        "ink.Label1=dim|ink.Label3=full"},
    {"marks_dark_after_a_palette_change", nullptr, kMarks "; " kDark, kInk},
    {"marks_high_contrast", nullptr, kContrast "; " kMarks, kInk},
    {"switched_off", nullptr, "type Text5 Hi; click Command3; type Text2 4; caret Text2 1; off",
        "dim.Label1=no|Label1.t=|cue.Text2.0=plain|cue.Text1.3=plain|Text6.t=|Text6.d="},
    {"switched_on_again", nullptr, "type Text5 Hi; click Command3; type Text2 4; off; on",
        "dim.Label2=yes|cue.Text1.3=alt"},
};

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void each_path_reaches_its_handler_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < static_cast<int>(std::size(kRows)); ++row)
            QTest::newRow(kRows[row].name) << row;
    }

    void each_path_reaches_its_handler()
    {
        QFETCH(int, row);
        Window window(kRows[row].before);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        Run(window, QString::fromUtf8(kRows[row].steps));
        for (const QString &check : QString::fromUtf8(kRows[row].checks).split(u'|')) {
            const QString what = check.section(u'=', 0, 0);
            QCOMPARE(what + u'=' + Seen(window, what), check);
        }
    }

    void nothing_written_changes()
    {
        // The same session with and without the display, with the fields' context menus opened
        // and closed after every step, and with the byte inspector open: every field, caption,
        // focus, the clipboard and the files after each step.
        const QStringList steps = {"type Text5 N\u00e9 ; click Command3",
            "caret Text2 4; hover Text1 1; type Text2 0x1F abc; click Command4",
            "type Text3 0110 0001; click Command6", "type Text1 1.300; click Command1",
            "type Text8 .png; click Command7"};
        const auto session = [&](bool showWork, bool menus, bool inspect = false) {
            Window window;
            window.form->setShowWork(showWork);
            if (inspect) {
                Run(window, QStringLiteral("key Text2 Ctrl+I"));
                window.form->activateWindow();
                if (!QTest::qWaitFor(
                        [&] { return QApplication::activeWindow() == window.form.get(); }))
                    return QStringList{QStringLiteral("main window not active")};
            }
            QStringList states;
            for (const QString &step : steps) {
                Run(window, step);
                if (menus)
                    Run(window, QStringLiteral("menu Text1; menu Text2; menu Text3; menu Text5"));
                QString state;
                for (const char *what : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6",
                         "Text7", "Text8", "Text9", "clipboard", "focus", "ini"})
                    state += Seen(window, QString::fromLatin1(what)) + u'|';
                for (QLabel *label :
                    window.form->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
                    state += label->text() + u'|';
                QFile help(window.folder + QStringLiteral("/numo2.txt"));
                states << state + QString::number(help.size());
            }
            return states;
        };
        const QStringList plain = session(false, false);
        QCOMPARE(session(true, false), plain);
        QCOMPARE(session(true, true), plain);
        QCOMPARE(session(true, false, true), plain);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
