import sys
print(sys.argv)
