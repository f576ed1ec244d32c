#!/usr/bin/env python3
"""tools/fill-texts on small sources and catalogues: the words of the menu
as a language's catalogue has them, the placeholders, and the bytes the
read-me needs. Usage: fill_texts_test.py PATH_OF_FILL_TEXTS"""
import os
import subprocess
import sys
import tempfile
import unittest

TOOL = sys.argv.pop(1) if len(sys.argv) > 1 else "tools/fill-texts"

CATALOGUE = """msgid ""
msgstr ""
"Language: de\\n"
"Content-Type: text/plain; charset=UTF-8\\n"

msgid "Quit Application"
msgstr "Programm beenden"

msgctxt "tray"
msgid "Options"
msgstr "Optionen"

msgctxt "reality check"
msgid "Test"
msgstr "Prüfen"

msgctxt "hollow"
msgid "Test"
msgstr "Testen"

#, fuzzy
msgid "Show Application"
msgstr "Anwendung zeigen"

msgid "Invoke At Startup"
msgstr ""

msgid "Tips & Tricks"
msgstr "Tipps & <Tricks>"
"""


class FillTexts(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)

    def write(self, name, text):
        path = os.path.join(self.dir.name, name)
        with open(path, "w", encoding="utf-8", newline="") as f:
            f.write(text)
        return path

    def run_tool(self, *args):
        out = os.path.join(self.dir.name, "out")
        result = subprocess.run([sys.executable, TOOL, "--out", out, *args], capture_output=True, text=True)
        data = b""
        if result.returncode == 0:
            with open(out, "rb") as f:
                data = f.read()
        return result, data

    def test_menu_words_come_from_the_catalogue_as_the_program_shows_them(self):
        po = self.write("de.po", CATALOGUE)
        page = self.write("page.in", "[[Quit Application]]|[[Options]]|[[hollow|Test]]|[[Test]]|[[Show Application]]|"
                                     "[[Invoke At Startup]]|[[Not In The Catalogue]]|[[Quit\n  Application]]|[[Tips & Tricks]]")
        result, data = self.run_tool("--html", page + "=" + po)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(data.decode("utf-8").split("|"), [
            "Programm beenden",
            "Optionen",               # the only context it has
            "Testen",                 # the context asked for
            "Prüfen",                 # the first of its contexts
            "Show Application",       # fuzzy: the program shows English
            "Invoke At Startup",      # untranslated
            "Not In The Catalogue",
            "Programm beenden",       # a name broken over two lines
            "Tipps &amp; &lt;Tricks&gt;",
        ])
        # Without a catalogue (English) the words are the English ones.
        result, data = self.run_tool(page)
        self.assertEqual(data.decode("utf-8").split("|")[0], "Quit Application")

    def test_defines_fill_every_placeholder_and_a_missing_one_is_an_error(self):
        style = self.write("style.css", "p { color: red; }\r\n@media print { }\r\n")
        page = self.write("page.in", "<style>@STYLE@</style> v@SMX_VERSION@ <a href=\"mailto:@MAIL@\">x@y.z</a>")
        result, data = self.run_tool("--define=SMX_VERSION=1.2.3", "--define=MAIL=help@example.org",
                                     "--define-file=STYLE=" + style, page)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(data.decode("utf-8"), "<style>p { color: red; }\n@media print { }\n</style> v1.2.3 "
                                               "<a href=\"mailto:help@example.org\">x@y.z</a>")
        result, _ = self.run_tool("--define=SMX_VERSION=1.2.3", page)
        self.assertNotEqual(result.returncode, 0)
        self.assertIn("@STYLE@", result.stderr)
        unclosed = self.write("unclosed.in", "[[Quit Application]")
        result, _ = self.run_tool(unclosed)
        self.assertNotEqual(result.returncode, 0)

    def test_parts_are_joined_with_windows_line_ends_and_a_byte_order_mark(self):
        po = self.write("de.po", CATALOGUE)
        english = self.write("en.in", "Somnivex @V@\nQuit Application\n")
        german = self.write("de.in", "\r\nDeutsch\n[[Quit Application]]\n")
        result, data = self.run_tool("--crlf", "--bom", "--define=V=2.0.0", english, german + "=" + po)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(data, b"\xef\xbb\xbfSomnivex 2.0.0\r\nQuit Application\r\n\r\nDeutsch\r\nProgramm beenden\r\n")


if __name__ == "__main__":
    unittest.main()
