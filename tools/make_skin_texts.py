#!/usr/bin/env python3
"""Writes the five built-in skin texts (resources/embedded/TXT/IDR_TXT_BUTTON_*.ini).

Each skin is a palette plus the same key vocabulary. Every caption colour is
checked against both colours of its face and of its pressed face: a ratio
below 4.5:1 (WCAG 2) stops the script, so an unreadable key never ships.
Run it from anywhere; it rewrites the texts in place.
"""

import os
import sys

MIN_CONTRAST = 4.5

# Name, BtnType, BtnId, BtnStyle: the same in every skin, in this order.
VOCABULARY = [
    ("2ndFunction", 7, 0, 4),
    ("Hyp", 7, 1, 4),
    ("MenuButton", 0, 0, 4),
    ("UpdateCurrency", 0, 0, 1),
    ("ConvertFromButton", 0, 0, 2),
    ("ConvertToButton", 0, 0, 2),
    ("Constants", 7, 8, 5),
    ("ConversionButton", 0, 0, 2),
    ("PercentageButton", 0, 0, 2),
    ("NumPeopleButton", 0, 0, 2),
    ("0", 0, 0, 0),
    ("1", 0, 1, 0),
    ("2", 0, 2, 0),
    ("3", 0, 3, 0),
    ("4", 0, 4, 0),
    ("5", 0, 5, 0),
    ("6", 0, 6, 0),
    ("7", 0, 7, 0),
    ("8", 0, 8, 0),
    ("9", 0, 9, 0),
    ("Decimal", 0, 16, 0),
    ("Plus", 1, 0, 1),
    ("Minus", 1, 1, 1),
    ("Times", 1, 2, 1),
    ("Divide", 1, 3, 1),
    ("Equals", 5, 0, 0),
    ("Enter", 5, 1, 0),
    ("PlusMinus", 2, 18, 1),
    ("CHS", 2, 33, 1),
    ("Reset", 8, 4, 3),
    ("Clear", 8, 0, 3),
    ("ClearEquation", 8, 2, 3),
    ("AC", 8, 1, 3),
    ("CLX", 8, 5, 3),
    ("MemoryStore", 4, 0, 2),
    ("MemoryRecall", 4, 8, 2),
    ("MemoryClear", 4, 16, 2),
    ("MemoryPlus", 4, 24, 2),
    ("MemoryMinus", 4, 34, 2),
    ("Memory1", 4, 25, 2),
    ("Memory2", 4, 26, 2),
    ("Memory3", 4, 27, 2),
    ("Copy", 9, 0, 2),
    ("Paste", 9, 2, 2),
    ("BackSpace", 8, 3, 3),
    ("XSquared", 2, 22, 1),
    ("XToTheY", 1, 4, 1),
    ("XRoot", 1, 6, 1),
    ("SquareRoot", 2, 24, 1),
    ("Percentage", 2, 30, 1),
    ("OneOverX", 2, 21, 1),
    ("XCubed", 2, 23, 1),
    ("OpenBracket", 3, 0, 1),
    ("CloseBracket", 3, 1, 1),
    ("CubeRoot", 2, 25, 1),
    ("Exp", 1, 5, 1),
    ("EEX", 1, 18, 1),
    ("Factorial", 2, 28, 1),
    ("Sum", 2, 29, 1),
    ("Sin", 2, 1, 1),
    ("Cos", 2, 0, 1),
    ("Tan", 2, 2, 1),
    ("SinInverse", 2, 4, 1),
    ("CosInverse", 2, 3, 1),
    ("TanInverse", 2, 5, 1),
    ("DRG", 2, 13, 1),
    ("DRG>", 2, 12, 1),
    ("Pi", 6, 0, 1),
    ("SinHyp", 2, 7, 1),
    ("CosHyp", 2, 6, 1),
    ("TanHyp", 2, 8, 1),
    ("SinHypInverse", 2, 10, 1),
    ("CosHypInverse", 2, 9, 1),
    ("TanHypInverse", 2, 11, 1),
    ("Log", 2, 14, 1),
    ("ln", 2, 15, 1),
    ("10ToTheX", 2, 27, 1),
    ("eToTheX", 2, 26, 1),
    ("A", 0, 10, 0),
    ("B", 0, 11, 0),
    ("C", 0, 12, 0),
    ("D", 0, 13, 0),
    ("E", 0, 14, 0),
    ("F", 0, 15, 0),
    ("BIN", 10, 2, 1),
    ("Base3", 10, 3, 1),
    ("Base4", 10, 4, 1),
    ("Base5", 10, 5, 1),
    ("Base12", 10, 12, 1),
    ("OCT", 10, 8, 1),
    ("DEC", 10, 10, 1),
    ("HEX", 10, 16, 1),
    ("BCD", 10, 17, 1),
    ("nPr", 1, 8, 1),
    ("nCr", 1, 7, 1),
    ("XYToR", 1, 9, 1),
    ("XYToTheta", 1, 11, 1),
    ("RThetaToX", 1, 10, 1),
    ("RThetaToY", 1, 12, 1),
    ("LastAnswer", 6, 99, 1),
    ("Random", 2, 31, 1),
    ("DegToDec", 2, 19, 1),
    ("DecToDeg", 0, 18, 1),
    ("ShowDeg", 2, 32, 1),
    ("StackUp", 11, 1, 1),
    ("StackDown", 11, 2, 1),
    ("StackDrop", 11, 3, 1),
    ("XYSwitch", 11, 0, 1),
    ("LastX", 6, 99, 1),
    ("AND", 1, 13, 1),
    ("NAND", 1, 20, 1),
    ("OR", 1, 14, 1),
    ("XOR", 1, 15, 1),
    ("XNOR", 1, 19, 1),
    ("ABS", 2, 17, 1),
    ("MOD", 1, 17, 1),
    ("NOR", 1, 16, 1),
    ("TVM", 13, 0, 5),
    ("Depreciation", 13, 5, 5),
    ("CashFlow", 13, 6, 5),
    ("CompoundInt", 13, 7, 5),
    ("PercentChange", 13, 8, 5),
    ("Date", 13, 9, 5),
    ("ProfitMargin", 13, 10, 5),
    ("BreakEven", 13, 11, 5),
    ("Mort", 13, 12, 5),
    ("Lease", 13, 13, 5),
    ("Loan", 13, 14, 5),
    ("Tip", 13, 15, 5),
    ("Stats", 13, 2, 5),
    ("LinReg", 13, 16, 5),
    ("ExpReg", 13, 17, 5),
    ("LogReg", 13, 18, 5),
    ("PwrReg", 13, 19, 5),
    ("WSUp", 12, 0, 4),
    ("WSDown", 12, 1, 4),
    ("WSCalc", 12, 3, 0),
    ("WSBack", 12, 9, 5),
    ("WSReset", 12, 2, 3),
    ("WSOpen", 12, 5, 5),
    ("WSSave", 12, 6, 5),
    ("Graph", 16, 0, 5),
    ("fX", 16, 1, 5),
    ("X", 6, 20, 0),
    ("Blank", 5, 2, 0),
]

# A colour set: face gradient (Color1, Color2), pressed face (HiLite1,
# HiLite2), caption (Text1) and raised caption (Text2).
def colour_set(color1, color2, hilite1, hilite2, text1, text2):
    return {"Color1": color1, "Color2": color2, "HiLite1": hilite1, "HiLite2": hilite2,
            "Text1": text1, "Text2": text2}

WHITE = (255, 255, 255)

# Key sets by style: 0 digits and equals, 1 operators and functions, 2 memory
# and clipboard, 3 clearing, 4 2nd and Hyp, 5 constants, worksheets and graph.
SKINS = {
    "BLUE": {  # Metallic blue
        "face_style": 11, "shadow": 1,
        "skin": {"Background": (22, 38, 74), "Color1": (222, 232, 246), "Color2": (176, 198, 230),
                 "HiLite1": (160, 184, 222), "HiLite2": (138, 166, 210), "TextColor": (12, 24, 56),
                 "TextTopColor": (12, 24, 56), "WS1": (232, 240, 252), "WS2": (204, 220, 244)},
        "sets": [
            colour_set((238, 243, 250), (196, 210, 232), (170, 190, 222), (150, 174, 212), (14, 28, 66), (120, 24, 24)),
            colour_set((58, 94, 160), (34, 64, 128), (28, 54, 112), (22, 44, 96), WHITE, (255, 236, 176)),
            colour_set((60, 98, 130), (36, 66, 96), (30, 56, 84), (24, 46, 72), WHITE, (200, 236, 255)),
            colour_set((150, 40, 52), (112, 26, 36), (96, 20, 30), (80, 16, 24), WHITE, (255, 220, 200)),
            colour_set((240, 176, 72), (214, 138, 38), (200, 122, 28), (186, 110, 22), (36, 18, 0), (36, 18, 0)),
            colour_set((38, 60, 116), (22, 38, 84), (18, 30, 70), (14, 24, 58), WHITE, (204, 226, 255)),
        ],
    },
    "BLACK": {  # Midnight black
        "face_style": 9, "shadow": 0,
        "skin": {"Background": (8, 8, 12), "Color1": (40, 42, 48), "Color2": (20, 20, 24),
                 "HiLite1": (64, 66, 74), "HiLite2": (44, 46, 52), "TextColor": (236, 236, 240),
                 "TextTopColor": (180, 200, 255), "WS1": (36, 38, 44), "WS2": (24, 26, 30)},
        "sets": [
            colour_set((70, 70, 76), (36, 36, 40), (92, 92, 100), (62, 62, 70), WHITE, (255, 226, 150)),
            colour_set((44, 46, 58), (18, 18, 24), (74, 78, 96), (40, 42, 54), (220, 228, 255), (255, 214, 120)),
            colour_set((30, 54, 74), (14, 26, 38), (46, 78, 104), (26, 46, 64), (196, 232, 255), WHITE),
            colour_set((96, 20, 24), (52, 8, 10), (128, 30, 36), (80, 14, 18), WHITE, (255, 200, 190)),
            colour_set((96, 70, 18), (54, 38, 6), (126, 92, 26), (84, 60, 12), WHITE, (255, 232, 170)),
            colour_set((40, 30, 76), (20, 14, 44), (62, 48, 108), (36, 26, 70), (228, 220, 255), WHITE),
        ],
    },
    "GREEN": {  # Wireless green
        "face_style": 11, "shadow": 1,
        "skin": {"Background": (14, 46, 28), "Color1": (226, 244, 228), "Color2": (182, 222, 188),
                 "HiLite1": (160, 208, 168), "HiLite2": (138, 194, 148), "TextColor": (10, 42, 20),
                 "TextTopColor": (10, 42, 20), "WS1": (234, 248, 236), "WS2": (206, 234, 212)},
        "sets": [
            colour_set((236, 248, 236), (196, 226, 198), (168, 210, 172), (150, 198, 156), (12, 48, 22), (110, 28, 20)),
            colour_set((40, 120, 64), (22, 84, 42), (18, 72, 36), (14, 60, 30), WHITE, (230, 255, 170)),
            colour_set((30, 96, 96), (16, 66, 68), (12, 56, 58), (10, 46, 48), WHITE, (200, 255, 240)),
            colour_set((156, 48, 34), (114, 30, 20), (98, 24, 16), (82, 18, 12), WHITE, (255, 224, 200)),
            colour_set((214, 232, 96), (184, 206, 58), (170, 194, 46), (156, 182, 38), (28, 40, 0), (28, 40, 0)),
            colour_set((24, 70, 40), (12, 46, 24), (10, 38, 20), (8, 30, 16), WHITE, (206, 246, 214)),
        ],
    },
    "PINK": {  # Glam pink
        "face_style": 11, "shadow": 1,
        "skin": {"Background": (84, 18, 56), "Color1": (252, 232, 242), "Color2": (240, 196, 220),
                 "HiLite1": (230, 176, 206), "HiLite2": (220, 158, 194), "TextColor": (72, 10, 44),
                 "TextTopColor": (72, 10, 44), "WS1": (254, 238, 246), "WS2": (246, 214, 232)},
        "sets": [
            colour_set((255, 240, 248), (246, 208, 228), (236, 186, 212), (226, 170, 200), (80, 12, 48), (80, 12, 48)),
            colour_set((186, 32, 110), (150, 20, 86), (130, 16, 74), (112, 12, 62), WHITE, (255, 236, 248)),
            colour_set((136, 48, 140), (96, 28, 104), (84, 22, 90), (70, 18, 76), WHITE, (244, 220, 255)),
            colour_set((168, 24, 56), (124, 14, 38), (108, 10, 32), (92, 8, 26), WHITE, (255, 214, 220)),
            colour_set((252, 196, 220), (238, 160, 196), (228, 140, 182), (218, 124, 170), (70, 6, 40), (70, 6, 40)),
            colour_set((100, 20, 66), (70, 10, 44), (60, 8, 38), (50, 6, 32), WHITE, (255, 206, 232)),
        ],
    },
    "SILVER": {  # Blue Steel
        "face_style": 3, "shadow": 1,
        "skin": {"Background": (56, 66, 80), "Color1": (226, 230, 236), "Color2": (188, 196, 208),
                 "HiLite1": (168, 178, 194), "HiLite2": (150, 162, 180), "TextColor": (22, 30, 44),
                 "TextTopColor": (22, 30, 44), "WS1": (234, 238, 244), "WS2": (210, 218, 228)},
        "sets": [
            colour_set((236, 238, 242), (198, 204, 214), (176, 184, 198), (160, 170, 186), (20, 28, 42), (20, 28, 42)),
            colour_set((84, 102, 128), (64, 82, 108), (54, 70, 94), (46, 60, 82), WHITE, (236, 242, 255)),
            colour_set((80, 104, 124), (52, 72, 90), (44, 62, 78), (36, 52, 66), WHITE, (214, 240, 255)),
            colour_set((128, 56, 64), (92, 36, 44), (80, 30, 38), (68, 24, 32), WHITE, (255, 222, 222)),
            colour_set((188, 206, 230), (150, 172, 204), (132, 156, 192), (120, 144, 182), (14, 26, 50), (14, 26, 50)),
            colour_set((48, 64, 92), (30, 42, 64), (24, 34, 54), (20, 28, 46), WHITE, (206, 222, 250)),
        ],
    },
}

SET_KEYS = ["Color1", "Color2", "HiLite1", "HiLite2", "Text1", "Text2"]


def relative_luminance(colour):
    def channel(value):
        c = value / 255.0
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    red, green, blue = (channel(v) for v in colour)
    return 0.2126 * red + 0.7152 * green + 0.0722 * blue


def contrast(first, second):
    lighter, darker = sorted((relative_luminance(first), relative_luminance(second)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)


def check_contrast(skin_name, label, captions, faces):
    failures = []
    for caption_key, caption in captions.items():
        for face_key, face in faces.items():
            ratio = contrast(caption, face)
            if ratio < MIN_CONTRAST:
                failures.append(f"{skin_name} {label} {caption_key} on {face_key}: {ratio:.2f}")
    return failures


def colour_text(colour):
    return ",".join(str(v) for v in colour)


def skin_text(skin):
    lines = ["[Init]", f"BtnType={skin['face_style']}", f"UseShadow={skin['shadow']}"]
    for number, colours in enumerate(skin["sets"], start=1):
        lines += [f"Btn{number}{key}={colour_text(colours[key])}" for key in SET_KEYS]
    lines += ["", "[Skin]"] + [f"{key}={colour_text(value)}" for key, value in skin["skin"].items()]
    for name, button_type, button_id, style in VOCABULARY:
        lines += ["", f"[{name}]", f"BtnType={button_type}", f"BtnId={button_id}", f"BtnStyle={style}"]
    return "\r\n".join(lines) + "\r\n"


def main():
    failures = []
    for skin_name, skin in SKINS.items():
        for number, colours in enumerate(skin["sets"], start=1):
            captions = {key: colours[key] for key in ("Text1", "Text2")}
            faces = {key: colours[key] for key in ("Color1", "Color2", "HiLite1", "HiLite2")}
            failures += check_contrast(skin_name, f"Btn{number}", captions, faces)
        panel = skin["skin"]
        captions = {key: panel[key] for key in ("TextColor", "TextTopColor")}
        faces = {key: panel[key] for key in ("Color1", "Color2", "HiLite1", "HiLite2")}
        failures += check_contrast(skin_name, "Skin", captions, faces)
    if failures:
        print("\n".join(failures), file=sys.stderr)
        return 1
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "embedded", "TXT")
    for skin_name, skin in SKINS.items():
        with open(os.path.join(folder, f"IDR_TXT_BUTTON_{skin_name}.ini"), "w", newline="") as file:
            file.write(skin_text(skin))
    return 0


if __name__ == "__main__":
    sys.exit(main())
