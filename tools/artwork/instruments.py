#!/usr/bin/env python3
"""Writes the SVG sources of the round instruments into media/.

The dials are regular (ticks every so many degrees, numbers at the
conventional places), so they are generated rather than drawn by hand; the
build renders the SVGs to the PNGs the program loads. Run it again after a
change and commit the SVGs:  tools/artwork/instruments.py media/
"""
import math
import os
import sys

SIZE = 512
C = SIZE / 2
WHITE = "#f2f2f2"
FONT = "font-family='Roboto, DejaVu Sans, sans-serif' font-weight='bold'"


def polar(r, deg):
    """Point at radius r, deg clockwise from the top of the dial."""
    a = math.radians(deg)
    return C + r * math.sin(a), C - r * math.cos(a)


def svg(body, width=SIZE, height=SIZE):
    return (f"<svg xmlns='http://www.w3.org/2000/svg' width='{width}' height='{height}' "
            f"viewBox='0 0 {width} {height}'>\n{body}\n</svg>\n")


def tick(deg, r0, r1, width, colour=WHITE):
    x0, y0 = polar(r0, deg)
    x1, y1 = polar(r1, deg)
    return (f"<line x1='{x0:.2f}' y1='{y0:.2f}' x2='{x1:.2f}' y2='{y1:.2f}' "
            f"stroke='{colour}' stroke-width='{width}' stroke-linecap='butt'/>")


def text(x, y, s, size, colour=WHITE, anchor="middle"):
    return (f"<text x='{x:.2f}' y='{y + size * 0.36:.2f}' font-size='{size}' {FONT} fill='{colour}' "
            f"text-anchor='{anchor}'>{s}</text>")


def label(deg, r, s, size, colour=WHITE):
    x, y = polar(r, deg)
    return text(x, y, s, size, colour)


def dial_face():
    """Black face inside a dark bezel, shared by the gauges drawn from code."""
    return ("<defs><radialGradient id='bezel' cx='50%' cy='40%' r='60%'>"
            "<stop offset='0' stop-color='#5a5f66'/><stop offset='1' stop-color='#1c1e21'/></radialGradient></defs>"
            f"<circle cx='{C}' cy='{C}' r='{C}' fill='url(#bezel)'/>"
            f"<circle cx='{C}' cy='{C}' r='{C - 14}' fill='#0b0b0c'/>")


def gauge_back():
    return svg(dial_face())


def gauge_back_alpha():
    # Only the bezel ring: laid over instruments that draw their own face.
    return svg(dial_face().replace("fill='#0b0b0c'", "fill='#000' fill-opacity='0'"))


def hatch_window():
    """The striped sector shown below 10,000 ft, left of the dial's top."""
    parts = ["<clipPath id='win'><path d='"]
    r0, r1 = 120, 170
    a0, a1 = -40, -12
    x0, y0 = polar(r0, a0)
    x1, y1 = polar(r1, a0)
    x2, y2 = polar(r1, a1)
    x3, y3 = polar(r0, a1)
    parts.append(f"M{x0:.1f},{y0:.1f} L{x1:.1f},{y1:.1f} A{r1},{r1} 0 0 1 {x2:.1f},{y2:.1f} "
                 f"L{x3:.1f},{y3:.1f} A{r0},{r0} 0 0 0 {x0:.1f},{y0:.1f} Z'/></clipPath>")
    parts.append("<g clip-path='url(#win)'>")
    parts.append(f"<rect x='0' y='0' width='{SIZE}' height='{SIZE}' fill='{WHITE}'/>")
    for i in range(-20, 40):
        x = i * 16
        parts.append(f"<line x1='{x}' y1='0' x2='{x + 300}' y2='300' stroke='#111' stroke-width='7'/>")
    parts.append("</g>")
    return "".join(parts)


def alt_bg():
    body = [dial_face(), hatch_window()]
    for i in range(50):
        deg = i * 7.2
        major = i % 5 == 0
        body.append(tick(deg, 200 if major else 216, 238, 7 if major else 3))
    for n in range(10):
        body.append(label(n * 36, 172, str(n), 54))
    body.append(text(C, C - 66, "ALT", 26))
    body.append(text(C, C + 70, "100 FEET", 20))
    # Window for the altimeter setting, drawn by the program.
    body.append(f"<rect x='{C + 70}' y='{C - 22}' width='104' height='44' rx='4' fill='#1d1f22' "
                f"stroke='#777' stroke-width='2'/>")
    return svg("".join(body))


def needle(length, width, tail, tip="point", colour=WHITE):
    """A needle pointing up from the centre of a square texture."""
    w = width / 2
    if tip == "triangle":
        shaft = (f"<rect x='{C - 3}' y='{C - length}' width='6' height='{length + tail}' fill='{colour}'/>"
                 f"<path d='M{C},{C - length - 4} L{C - 14},{C - length + 26} L{C + 14},{C - length + 26} Z' "
                 f"fill='{colour}'/>")
    else:
        shaft = (f"<path d='M{C},{C - length} L{C + w},{C - length + width * 1.6} L{C + w},{C + tail} "
                 f"L{C - w},{C + tail} L{C - w},{C - length + width * 1.6} Z' fill='{colour}' "
                 f"stroke='#222' stroke-width='1.5'/>")
    hub = f"<circle cx='{C}' cy='{C}' r='{max(w + 6, 12)}' fill='#333' stroke='{colour}' stroke-width='3'/>"
    return svg(shaft + hub)


VSI_MARKS = [0, 500, 1000, 1500, 2000, 3000, 4000, 6000]


def vsi_angle(fpm):
    deflection = 180 * (1 - math.exp(-abs(fpm) * math.log(2) / 1500))
    # Zero points to the left (nine o'clock); climbs turn clockwise.
    return 270 + (deflection if fpm >= 0 else -deflection)


def vsi_bg(metric=False):
    body = [dial_face()]
    if metric:
        marks = [0, 1, 2, 3, 4, 5, 7.5, 10, 15, 20]
        for ms in marks:
            for sign in (1, -1):
                fpm = sign * ms * 196.850394
                deg = vsi_angle(fpm)
                body.append(tick(deg, 196, 238, 6))
                if ms in (0, 1, 2, 3, 5, 10, 20):
                    body.append(label(deg, 166, f"{ms:g}", 40))
        for ms in [0.5, 1.5, 2.5, 3.5, 4.5]:
            for sign in (1, -1):
                body.append(tick(vsi_angle(sign * ms * 196.850394), 218, 238, 3))
        caption = "M / S"
    else:
        for fpm in VSI_MARKS:
            for sign in (1, -1):
                deg = vsi_angle(sign * fpm)
                body.append(tick(deg, 196, 238, 6))
                if fpm <= 4000:
                    body.append(label(deg, 166, str(fpm // 100), 42))
        for fpm in [250, 750, 1250, 1750, 2500]:
            for sign in (1, -1):
                body.append(tick(vsi_angle(sign * fpm), 218, 238, 3))
        caption = "100 FT / MIN"
    body.append(text(C - 70, C - 60, "UP", 26))
    body.append(text(C - 70, C + 60, "DN", 26))
    body.append(text(C + 40, C, "VERTICAL SPEED", 20, anchor="middle"))
    body.append(text(C + 40, C + 30, caption, 18))
    return svg("".join(body))


def comp_bg():
    # The card turns with the heading and brings the bezel along, lit the
    # same from every side so that its turning does not show: one turned
    # picture is all the heavy drawing the compass does.
    body = ["<defs><radialGradient id='ring' cx='50%' cy='50%' r='50%'>"
            "<stop offset='0.94' stop-color='#50555c'/><stop offset='1' stop-color='#1c1e21'/></radialGradient></defs>"
            f"<circle cx='{C}' cy='{C}' r='{C}' fill='url(#ring)'/>",
            f"<circle cx='{C}' cy='{C}' r='{C - 14}' fill='#0b0b0c'/>"]
    for i in range(72):
        deg = i * 5
        body.append(tick(deg, 196 if i % 2 == 0 else 214, 236, 5 if i % 2 == 0 else 3))
    names = {0: "N", 90: "E", 180: "S", 270: "W"}
    for deg in range(0, 360, 30):
        s = names.get(deg, str(deg // 10))
        x, y = polar(164, deg)
        colour = "#ffb000" if deg == 0 else WHITE
        body.append(f"<g transform='rotate({deg} {x:.2f} {y:.2f})'>{text(x, y, s, 46, colour)}</g>")
    return svg("".join(body))


def comp_bug():
    # The desired-track bug: a notched marker on the card's edge.
    return svg(f"<path d='M{C - 26},{18} L{C - 26},{52} L{C - 10},{52} L{C},{38} L{C + 10},{52} L{C + 26},{52} "
               f"L{C + 26},{18} Z' fill='#e040c0' stroke='#200' stroke-width='2'/>")


def comp_plane():
    plane = (f"<path d='M{C},{C - 80} L{C + 9},{C - 60} L{C + 9},{C - 18} L{C + 78},{C + 8} L{C + 78},{C + 22} "
             f"L{C + 9},{C + 10} L{C + 9},{C + 48} L{C + 30},{C + 62} L{C + 30},{C + 72} L{C},{C + 66} "
             f"L{C - 30},{C + 72} L{C - 30},{C + 62} L{C - 9},{C + 48} L{C - 9},{C + 10} L{C - 78},{C + 22} "
             f"L{C - 78},{C + 8} L{C - 9},{C - 18} L{C - 9},{C - 60} Z' fill='#ffb000' stroke='#000' "
             f"stroke-width='2'/>")
    lubber = f"<path d='M{C},{6} L{C - 12},{-14 + 40} L{C + 12},{26} Z' fill='#ffb000'/>"
    return svg(plane + lubber)


def turn_bg():
    body = [dial_face()]
    # Standard-rate marks: the wings of the symbol line up with them at 3 deg/s.
    for deg in (270, 90, 270 - 20, 90 + 20):
        body.append(tick(deg, 200, 238, 9))
    body.append(label(270 - 20 - 14, 212, "L", 40))
    body.append(label(90 + 20 + 14, 212, "R", 40))
    body.append(text(C, C - 120, "TURN COORDINATOR", 20))
    body.append(text(C, C + 172, "2 MIN", 22))
    # The inclinometer tube.
    body.append(f"<path d='M{C - 150},{C + 92} Q{C},{C + 168} {C + 150},{C + 92}' fill='none' "
                f"stroke='#d8dadc' stroke-width='46' stroke-linecap='round'/>")
    body.append(f"<line x1='{C - 24}' y1='{C + 104}' x2='{C - 24}' y2='{C + 152}' stroke='#111' stroke-width='4'/>")
    body.append(f"<line x1='{C + 24}' y1='{C + 104}' x2='{C + 24}' y2='{C + 152}' stroke='#111' stroke-width='4'/>")
    return svg("".join(body))


def turn_plane():
    return svg(f"<rect x='{C - 190}' y='{C - 6}' width='380' height='12' rx='6' fill='{WHITE}'/>"
               f"<circle cx='{C}' cy='{C}' r='26' fill='{WHITE}'/>"
               f"<rect x='{C - 4}' y='{C - 54}' width='8' height='30' fill='{WHITE}'/>"
               f"<rect x='{C - 40}' y='{C + 20}' width='80' height='8' rx='4' fill='{WHITE}'/>")


def turn_ball():
    return svg(f"<circle cx='32' cy='32' r='28' fill='#111' stroke='#444' stroke-width='2'/>", 64, 64)


def slip_bg():
    return svg(f"<rect x='0' y='0' width='512' height='128' rx='20' fill='#0b0b0c'/>"
               f"<rect x='24' y='34' width='464' height='60' rx='30' fill='#d8dadc'/>", 512, 128)


def slip_bot():
    return svg("<circle cx='32' cy='32' r='28' fill='#111' stroke='#444' stroke-width='2'/>", 64, 64)


def slip_top():
    return svg(f"<line x1='226' y1='26' x2='226' y2='102' stroke='#111' stroke-width='6'/>"
               f"<line x1='286' y1='26' x2='286' y2='102' stroke='#111' stroke-width='6'/>", 512, 128)


# The sky-and-ground picture is drawn 1.8 times the dial's size so that no
# pitch and bank uncovers its edge; a pitch of 90 degrees moves it 0.76 of
# the dial's radius, so one degree is this many texture pixels:
AI_TEXTURE = 1024
AI_PX_PER_DEGREE = (0.76 * 0.5 / 90) * (AI_TEXTURE / 1.8)


def ai_horizon():
    t = AI_TEXTURE
    h = t / 2
    body = [f"<rect x='0' y='0' width='{t}' height='{h}' fill='#2f7fd0'/>",
            f"<rect x='0' y='{h}' width='{t}' height='{h}' fill='#8a5a2b'/>",
            f"<line x1='0' y1='{h}' x2='{t}' y2='{h}' stroke='{WHITE}' stroke-width='4'/>"]
    for p in range(-60, 65, 5):
        if p == 0 or (p % 10 and abs(p) > 25):
            continue
        y = h - p * AI_PX_PER_DEGREE
        half = 40 if p % 10 == 0 else 18
        body.append(f"<line x1='{h - half}' y1='{y:.2f}' x2='{h + half}' y2='{y:.2f}' stroke='{WHITE}' "
                    f"stroke-width='{3 if p % 10 == 0 else 2}'/>")
        if p % 10 == 0 and abs(p) <= 30:
            for x in (h - half - 22, h + half + 22):
                body.append(text(x, y, str(abs(p)), 18))
    return svg("".join(body), t, t)


def ai_roll():
    # The bank pointer turns with the sky; the scale stays on the case.
    return svg(f"<path d='M{C},{62} L{C - 16},{90} L{C + 16},{90} Z' fill='#ffb000'/>")


def ai_top():
    # The ring of the case around the window (radius C - 58, the program's
    # kWindowRadius), through which the program shows the sky and ground.
    body = [f"<defs><mask id='hole'><rect width='{SIZE}' height='{SIZE}' fill='white'/>"
            f"<circle cx='{C}' cy='{C}' r='{C - 58}' fill='black'/></mask></defs>",
            f"<circle cx='{C}' cy='{C}' r='{C}' fill='#16181b' mask='url(#hole)'/>"]
    for bank in (10, 20, 30, 45, 60):
        for sign in (1, -1):
            long = bank in (30, 60)
            body.append(tick(sign * bank, 206 if not long else 198, 226 if not long else 234, 7 if long else 4))
    body.append(f"<path d='M{C},{C - 200} L{C - 14},{C - 226} L{C + 14},{C - 226} Z' fill='{WHITE}'/>")
    # The aircraft symbol: wings, centre dot.
    body.append(f"<path d='M{C - 150},{C - 4} L{C - 54},{C - 4} L{C - 30},{C + 22} L{C - 24},{C + 22} "
                f"L{C - 46},{C + 8} L{C - 150},{C + 8} Z' fill='#ffb000' stroke='#000' stroke-width='2'/>")
    body.append(f"<path d='M{C + 150},{C - 4} L{C + 54},{C - 4} L{C + 30},{C + 22} L{C + 24},{C + 22} "
                f"L{C + 46},{C + 8} L{C + 150},{C + 8} Z' fill='#ffb000' stroke='#000' stroke-width='2'/>")
    body.append(f"<circle cx='{C}' cy='{C}' r='8' fill='#ffb000' stroke='#000' stroke-width='2'/>")
    return svg("".join(body))


ARTWORK = {
    "gauge_back": gauge_back, "gauge_back_alpha": gauge_back_alpha, "alt_bg": alt_bg,
    "alt_10000": lambda: needle(236, 6, 0, tip="triangle"), "alt_1000": lambda: needle(140, 26, 30),
    "alt_100": lambda: needle(214, 14, 40), "needle": lambda: needle(222, 12, 36),
    "vsi_bg": vsi_bg, "vsi_bg_m": lambda: vsi_bg(metric=True),
    "comp_bg": comp_bg, "comp_bug": comp_bug, "comp_plane": comp_plane,
    "turn_bg": turn_bg, "turn_plane": turn_plane, "turn_ball": turn_ball,
    "slip_bg": slip_bg, "slip_bot": slip_bot, "slip_top": slip_top,
    "ai_horizon": ai_horizon, "ai_roll": ai_roll, "ai_top": ai_top,
}


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "media"
    for name, make in ARTWORK.items():
        with open(os.path.join(out, name + ".svg"), "w") as f:
            f.write(make())


if __name__ == "__main__":
    main()
