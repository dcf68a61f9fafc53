"""A real click on the gear opens the options dialog in the middle of the
screen; real keys move its slider and the disc's opacity follows; Enter
saves and closes it."""

import sys

from desktop import App, keys, opacity, save_screenshot, screen_size, wait_until


def main(exe):
    with App(exe) as app:
        app.wake()
        assert opacity(app.window) == 225, opacity(app.window)

        app.click_button("Configure Options")  # the gear
        dialog = app.wait_for_window("Configure Options", timeout=10)
        d_left, d_top, d_width, d_height = app.geometry(dialog)
        centre = (d_left + d_width / 2, d_top + d_height / 2)
        screen = screen_size()
        assert abs(centre[0] - screen[0] / 2) <= 16 and abs(centre[1] - screen[1] / 2) <= 16, \
            ("not centred", centre)
        save_screenshot("config_dialog.png")

        # The focus starts on the button; Tab reaches the slider.
        keys("Tab", "Left", "Left", "Left")
        wait_until(lambda: opacity(app.window) == 222, "opacity did not follow to 222")
        keys("Next")  # Page Down: a large step of 5 to the right
        wait_until(lambda: opacity(app.window) == 227, "opacity did not follow to 227")

        keys("Return")  # "Save & Exit" is the default button
        wait_until(lambda: not app.visible_windows("Configure Options"), "the dialog did not close")
        assert opacity(app.window) == 227
        print("dialog centred, opacity followed the slider to 227, saved and closed")

        # Previewed, then closed with Esc: the stored 227 comes back.
        app.click_button("Configure Options")
        app.wait_for_window("Configure Options", timeout=10)
        keys("Tab", "Left", "Left")
        wait_until(lambda: opacity(app.window) == 225, "opacity did not follow to 225")
        keys("Escape")
        wait_until(lambda: not app.visible_windows("Configure Options"), "Esc left the dialog")
        wait_until(lambda: opacity(app.window) == 227, "Esc kept the previewed %d" %
                   opacity(app.window))
        print("previewed 225, Esc: back at the stored 227")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
