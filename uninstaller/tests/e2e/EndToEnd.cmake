# Placeholder until the end-to-end tests land from the uninst-e2e branch.
