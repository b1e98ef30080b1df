echo old
