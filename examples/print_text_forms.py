"""Parses each SIRI document named on the command line and prints its text form."""
import pathlib
import sys

import quaymark


def main(paths: list[str]) -> int:
    siri = quaymark.SIRI()
    status = 0
    for path in paths:
        text = pathlib.Path(path).read_text(encoding="utf-8")
        print(f"== {path}")
        try:
            print(siri.parse(text))
        except ValueError as error:
            print(f"ValueError: {error}")
            status = 1
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
