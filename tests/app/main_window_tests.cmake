# Widget tests of the main window.
