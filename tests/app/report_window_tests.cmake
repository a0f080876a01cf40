# Widget tests of the analysis window and printing.
