// Keeps the Qt platform library non-empty while it grows.
