// Placeholder so that a folder without sources still builds a library.
