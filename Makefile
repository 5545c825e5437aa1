# The two commands of the README.
.PHONY: demo test
demo:
	tools/demo.sh
test:
	tools/test.sh
