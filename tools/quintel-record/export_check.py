#!/usr/bin/env python3
"""Exports of a record edited by hand are read back whole by a JSON parser and a CSV reader.

The arena keeps 20 games in a data folder; their texts are then replaced with what another
program or a hand edit could leave there: quotes, commas, line breaks, control characters, bytes
that are not UTF-8, and names a spreadsheet would run as formulas. quintel-record exports the
record as CSV and JSON, and Python's json module and csv reader must read back 20 games with
every field as it was (invalid bytes as U+FFFD), formulas shown as text.

usage: export_check.py PATH-TO-quintel-selfplay PATH-TO-quintel-record
"""
import csv
import json
import sqlite3
import subprocess
import sys
import tempfile
from pathlib import Path

HOSTILE = ['=HYPERLINK("http://x","y")', "+1+1", "-2", "@SUM(A1)", "\tTab", "\rReturn",
           'a, "quoted"\nsecond line', "back\\slash \x01\x1f end", "caf\u00e9 \u2028"]
INVALID = "X'41ff42c0af'"  # A, a stray byte, B, an overlong '/'
INVALID_READ = "A\ufffdB\ufffd\ufffd"


def main(selfplay, record):
    with tempfile.TemporaryDirectory() as work:
        data = Path(work) / "data"
        subprocess.run([selfplay, "--games", "20", "--seed", "5", "--options", "both",
                        "--policy", "bluffer", "--data", str(data)], check=True,
                       stdout=subprocess.DEVNULL)
        edit(data / "record.sqlite")
        csv_path, json_path = Path(work) / "games.csv", Path(work) / "games.json"
        subprocess.run([record, str(data), "--csv", str(csv_path), "--json", str(json_path)],
                       check=True, stdout=subprocess.DEVNULL)
        problems = check_json(json_path) + check_csv(csv_path)
    for problem in problems:
        print("FAIL:", problem, file=sys.stderr)
    return 1 if problems else 0


def edit(path):
    with sqlite3.connect(path) as database:
        ids = [row[0] for row in database.execute("SELECT id FROM games ORDER BY id")]
        for n, game in enumerate(ids):
            text = HOSTILE[n % len(HOSTILE)]
            database.execute(
                "UPDATE games SET player = ?1, started = ?1, ended = ?1, challenged_call = ?1, "
                "revealed = ?1, human_throws = ?1, computer_throws = ?1 WHERE id = ?2",
                (text, game))
            database.execute("UPDATE calls SET dice = ?1, fixed = ?1 WHERE game = ?2",
                             (text, game))
        database.execute(f"UPDATE games SET opponent = CAST({INVALID} AS TEXT) WHERE id = ?",
                         (ids[0],))


def expected_text(n):
    return HOSTILE[n % len(HOSTILE)]


def check_json(path):
    problems = []
    try:
        games = json.loads(path.read_bytes().decode("utf-8"))
    except (UnicodeDecodeError, json.JSONDecodeError) as error:
        return [f"the JSON export does not parse: {error}"]
    if len(games) != 20:
        problems.append(f"the JSON export holds {len(games)} games, not 20")
    for n, game in enumerate(games):
        text = expected_text(n)
        fields = [game[name] for name in ("player", "started", "ended", "challenged_call",
                                          "revealed", "player_throws", "computer_throws")]
        fields += [call[name] for call in game["calls"] for name in ("dice", "fixed")]
        if any(field != text for field in fields):
            problems.append(f"JSON game {n + 1} does not read back {text!r}: {game}")
    if games and games[0]["opponent"] != INVALID_READ:
        problems.append(f"invalid UTF-8 reads back as {games[0]['opponent']!r}")
    return problems


def check_csv(path):
    problems = []
    try:
        with open(path, newline="", encoding="utf-8") as file:
            rows = list(csv.reader(file))
    except UnicodeDecodeError as error:
        return [f"the CSV export is not UTF-8: {error}"]
    if len(rows) != 21 or any(len(row) != 13 for row in rows):
        return [f"the CSV export has {len(rows)} rows of {sorted({len(r) for r in rows})} fields,"
                " not 21 of 13"]
    for n, row in enumerate(rows[1:]):
        text = expected_text(n)
        shown = "'" + text if text[0] in "=+-@\t\r" else text
        if row[0] != shown or row[1] != shown or row[9] != shown:
            problems.append(f"CSV game {n + 1} does not read back {shown!r}: {row}")
    if rows[1][4] != INVALID_READ:
        problems.append(f"invalid UTF-8 reads back as {rows[1][4]!r} in CSV")
    return problems


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
