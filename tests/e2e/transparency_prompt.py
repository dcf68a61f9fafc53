"""The hidden "Set Tran" button, reached from the keyboard as a user would:
click the disc, Tab past the three picture buttons, Space. The real prompt
takes real typing, and the disc's opacity follows; bad text brings the error message instead."""

import sys

from desktop import App, click, keys, opacity, run, save_screenshot, wait_until



def open_prompt(app):
    left, top, width, _ = app.geometry()
    click(left + width // 2, top + 12)  # the disc's own background, above the lamps
    keys("Tab", "Tab", "Tab", "Tab", "space")  # past the three picture buttons
    prompt = app.wait_for_window("Set Transparency", timeout=10)
    run("xdotool", "windowfocus", prompt)  # no window manager here to do it
    return prompt


def main(exe):
    with App(exe) as app:
        app.wake()
        assert opacity(app.window) == 225

        open_prompt(app)
        save_screenshot("transparency_prompt.png")
        run("xdotool", "type", "--delay", "50", "128")
        keys("Return")
        wait_until(lambda: opacity(app.window) == 128, "opacity %d, not 128" % opacity(app.window))
        print("typed 128: the disc is at 128")

        open_prompt(app)
        run("xdotool", "type", "--delay", "50", "abc")
        keys("Return")
        # The message box carries the application's title.
        wait_until(lambda: len(app.visible_windows("Kelbo Time")) >= 2, "no message box")
        save_screenshot("transparency_error.png")
        message = [w for w in app.visible_windows("Kelbo Time") if w != app.window][0]
        run("xdotool", "windowfocus", message)
        keys("Return")
        wait_until(lambda: app.visible_windows("Kelbo Time") == [app.window], "box stayed")
        assert opacity(app.window) == 128, "bad text changed the opacity"
        print("typed abc: reported, nothing changed")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
