// Keeps the widgets library non-empty until its first widget lands.
